#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// Invoiced and paid flags of an order.
class TfrmInvoicesAndPayments : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInvoicesAndPayments(QWidget* parent = nullptr);
    QLabel* imgMain;
    QCheckBox* cbInvoiced;
    QCheckBox* cbPaid;
    QPushButton* btnNext;
    QPushButton* btnCancel;
    QLabel* ElURLLabel1;

private:
    void onFinish();
};

// The outcome of the dialog for an order: which flags changed and the dates they get.
struct TInvoiceChange
{
    bool invoicedChanged = false;
    bool paidChanged = false;
    bool any() const { return invoicedChanged || paidChanged; }
};
class TOrder;
// Stores the dialog's flags in the order: a flag turning true stamps its date with now; a flag
// cleared keeps its date.
TInvoiceChange ApplyInvoiceFlags(TOrder& order, bool invoiced, bool paid);
