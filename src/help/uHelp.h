#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

// A guidance window with the program's header band and a "show at start" check box bound to a setting.
class THelpDialog : public QDialog
{
    Q_OBJECT
public:
    THelpDialog(const QString& title, const QString& checkCaption, bool& showAtStart, QWidget* parent);
    QCheckBox* cbShowAtStart;
    QPushButton* btnClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    QWidget* body() const { return m_body; }

private:
    QString m_title;
    QWidget* m_body;
};

// Step-by-step introduction to the main window.
class TfrmTutorial : public THelpDialog
{
    Q_OBJECT
public:
    explicit TfrmTutorial(bool& showTutorial, QWidget* parent = nullptr);
    QStackedWidget* pages;
    QPushButton* btnBack;
    QPushButton* btnNext;

private:
    void showPage(int index);
};

class TfrmTipOfTheDay : public THelpDialog
{
    Q_OBJECT
public:
    explicit TfrmTipOfTheDay(bool& showTips, QWidget* parent = nullptr);
    QLabel* lblTip;
    QPushButton* btnNextTip;
    static QStringList Tips();

private:
    int m_index;
};

class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Short texts about the program cycling in the lower right corner of the main window.
class TActiveInformationPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TActiveInformationPanel(QWidget* parent = nullptr);
    void Start();
    void HideHover();
    QStringList Texts() const { return m_texts; }
    int CurrentIndex() const { return m_index; }
    QTimer* tmrActiveInformation;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QStringList m_texts;
    int m_index = 0;
    bool m_hover = false;
};

// Opens the help file of the program directory in the desktop's viewer; says so when it is missing.
void OpenHelpFile();
