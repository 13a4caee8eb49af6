#pragma once

#include <QObject>

class QTreeWidgetItem;
class TfrmMainPellomarAlpha;

// The memo panel beside the chart: the selected order's memos with tick boxes and a line to add one.
class TMemoPanel : public QObject
{
    Q_OBJECT
public:
    explicit TMemoPanel(TfrmMainPellomarAlpha& main);

    void ShowMemoPanel();
    void HideMemoPanel();
    void LoadMemos(int orderId);
    void ClearMemos();
    bool MemoPanelShown() const { return m_shown; }
    // Stores the typed memo (once) and lists it.
    void CommitMemo();
    void StartNewMemo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onItemChanged(QTreeWidgetItem* item, int column);
    QTreeWidgetItem* addRow(const QString& text, int taskId, bool completed);
    static void markDone(QTreeWidgetItem* item, bool done);

    TfrmMainPellomarAlpha& m;
    bool m_shown = false;
    bool m_filling = false;
    bool m_committing = false;
};
