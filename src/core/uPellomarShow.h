#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QString>
#include <QVector>
#include <utility>

class QLabel;
class QPushButton;

enum TMsgIcon { mtInformation = 0, mtConfirmation = 1, mtWarning = 2, mtError = 3 };
enum TMsgButtons { mbOK, mbYesNo };
enum TModalResult { mrNone = 0, mrOk = 1, mrYes = 6, mrNo = 7 };

// The program's own message box: a fixed-size picture window with a text, an icon and one or two buttons.
class TfrmPellomarShow : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPellomarShow(QWidget* parent = nullptr);
    void setText(const QString& text);
    void setButtons(TMsgButtons buttons);
    void drawIcon(TMsgIcon icon);

    QLabel* imgMain;
    QLabel* lblText;
    QPushButton* btnYes;
    QPushButton* btnOK;

private:
    QImage m_background;
};

// Set while a modal window run through the helpers below is open.
bool& ModalFormOpen();

void ShowPlainMessage(const QString& text);
int ShowMessageBox(const QString& text, TMsgIcon icon, TMsgButtons buttons);
// The application's handler of errors that escape an action: the cursor goes back to normal and the
// error is shown; the program goes on.
void HandleApplicationError(const QString& message);

// The platform's standard message dialog (second-instance notice, debug checkpoints).
void ShowStandardMessage(const QString& text);

int ShowCreatedFormModal(QDialog*& instance);

template <class T, class... Args> void CreateFormChecked(T*& instance, Args&&... args)
{
    try {
        instance = new T(std::forward<Args>(args)...);
        instance->setAttribute(Qt::WA_DeleteOnClose, false);
    } catch (...) {
        instance = nullptr;
        ShowPlainMessage(QStringLiteral("An error occured while creating the Form."));
    }
}

template <class T> int ShowCreatedFormModal(T*& instance)
{
    QDialog* dialog = instance;
    const int result = ShowCreatedFormModal(dialog);
    instance = nullptr;
    return result;
}

template <class T, class... Args> int RunModalForm(T*& instance, Args&&... args)
{
    CreateFormChecked(instance, std::forward<Args>(args)...);
    if (!instance)
        return mrNone;
    ModalFormOpen() = true;
    return ShowCreatedFormModal(instance);
}

// The pictures of the message box: information, confirmation, warning, error (our own artwork).
QImage MessageBoxIcon(TMsgIcon icon);

// Draws text (top-left at x,y) on a bitmap without running past the right margin, shortened with dots
// where needed. False when the text does not fit above the bottom margin.
bool DrawFittedText(QImage& bitmap, const QFont& font, int rightMargin, int bottomMargin, int x, int y,
                    const QString& text, int antiAliasLevel, QRgb argb);
QString ShortenToWidth(const QString& text, int availableWidth, const QFontMetrics& metrics);
QString Ellipsize(const QString& text);

// Lets tests answer message boxes instead of opening them, and read what was shown.
namespace MessageBoxHook {
struct Shown
{
    QString text;
    int icon = -1; // -1: plain message, no icon
    bool yesNo = false;
    bool standard = false; // the platform's dialog
};
void setCapture(bool on);
// Also writes every captured text to standard error (for scripted runs of the program).
void setEcho(bool on);
bool capturing();
void queueAnswer(int result);
const QVector<Shown>& shown();
QString lastText();
void clear();
} // namespace MessageBoxHook
