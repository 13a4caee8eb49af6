#pragma once

#include <QObject>

class TfrmMainPellomarAlpha;

// The right half's summary box and notes label, and the invoices and notes dialogs behind its buttons.
class TOrderDetails : public QObject
{
    Q_OBJECT
public:
    explicit TOrderDetails(TfrmMainPellomarAlpha& main);
    void CreateSummaryBox();
    void SizeSummaryBox();
    void RefreshDetails();
    void EditInvoices();
    void EditNotes();
    void SetNotesLabel(bool hasNotes);

private:
    TfrmMainPellomarAlpha& m;
};
