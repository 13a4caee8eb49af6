#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The free-text notes of one order.
class TfrmOrdersNotes : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOrdersNotes(int orderId, QWidget* parent = nullptr);
    QLabel* imgMain;
    QPlainTextEdit* memoNotes;
    QPushButton* btnFinish;
    QPushButton* btnCancel;
    QString CustomerOrderNo;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadNotes();
    void onFinish();
    int m_orderId;
    bool m_headingDrawn = false;
};

// Writes an order's notes exactly as typed.
void SaveOrderNotes(int orderId, const QString& notes);
