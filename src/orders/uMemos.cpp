#include "orders/uMemos.h"

#include "charts/uStateCharts.h"
#include "core/Fonts.h"
#include "core/ImageView.h"
#include "core/uMain.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "orders/uClasses.h"
#include "orders/uOrdersTree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
const QColor kPanelColour(0xDA, 0xE2, 0xF4);
}

TMemoPanel::TMemoPanel(TfrmMainPellomarAlpha& main) : QObject(&main), m(main)
{
    QTreeWidget* list = m.treeTasklist;
    list->setColumnCount(2);
    list->setColumnHidden(1, true);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setIndentation(0);
    list->setUniformRowHeights(true);
    list->setFont(TahomaFont(8));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setStyleSheet(QStringLiteral("QTreeWidget { background: #DAE2F4; border: none; }"
                                       "QTreeView::item { height: 17px; }"));
    m.lblTasks->setStyleSheet(
        QStringLiteral("color: #808080; text-decoration: underline; background: #DAE2F4;"));
    m.lblTasks->setFont(TahomaFont(8));
    m.lblTasks->setCursor(Qt::PointingHandCursor);
    m.lblTasks->installEventFilter(this);
    m.edTasks->setMaxLength(99);
    m.edTasks->setFont(TahomaFont(8));
    m.edTasks->setStyleSheet(QStringLiteral("background: #FFFFFF;"));
    m.edTasks->installEventFilter(this);
    connect(list, &QTreeWidget::itemChanged, this, &TMemoPanel::onItemChanged);
}

void TMemoPanel::ShowMemoPanel()
{
    QWidget* tasks = m.imgTasks;
    tasks->setGeometry(380, 0, m.imgMiddleBottom->width() - 385, m.imgMiddleBottom->height());
    m.imgTasks->SizeBitmapToControl();
    tasks->show();
    if (m.MemoFrameChart) {
        m.MemoFrameChart->Surface = &m.imgTasks->Bitmap();
        m.MemoFrameChart->Layout(tasks->width(), tasks->height());
    }
    m.imgTasks->update();
    m.treeTasklist->setGeometry(5, 44, tasks->width() - 10, tasks->height() - 49);
    m.treeTasklist->show();
    m.edTasks->setGeometry(8, 26, m.treeTasklist->width(), 18);
    m.lblTasks->setGeometry(m.edTasks->x(), 25, m.treeTasklist->width(), 20);
    m.lblTasks->show();
    m.edTasks->hide();
    m_shown = true;
}

void TMemoPanel::HideMemoPanel()
{
    m.treeTasklist->hide();
    m.edTasks->hide();
    m.lblTasks->hide();
    m.imgTasks->hide();
    m_shown = false;
}

void TMemoPanel::markDone(QTreeWidgetItem* item, bool done)
{
    QFont font = item->font(0);
    font.setStrikeOut(done);
    item->setFont(0, font);
    item->setForeground(0, done ? QColor(0x80, 0x80, 0x80) : QColor(0, 0, 0));
}

QTreeWidgetItem* TMemoPanel::addRow(const QString& text, int taskId, bool completed)
{
    auto* item = new QTreeWidgetItem(m.treeTasklist);
    item->setText(0, text);
    item->setText(1, QString::number(taskId));
    item->setToolTip(0, text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(0, completed ? Qt::Checked : Qt::Unchecked);
    markDone(item, completed);
    return item;
}

void TMemoPanel::ClearMemos()
{
    m_filling = true;
    m.treeTasklist->clear();
    m_filling = false;
}

void TMemoPanel::LoadMemos(int orderId)
{
    m_filling = true;
    m.treeTasklist->clear();
    try {
        const QVector<TRow> rows =
            Db::select(QStringLiteral("select * from Tasks where OrderID =:p_oid"), {{"p_oid", orderId}});
        for (const TRow& row : rows)
            addRow(row.text("TaskShort"), row.integer("TaskID"), row.boolean("Completed"));
    } catch (const DbError&) {
        // The list stays with the memos read so far.
    }
    m_filling = false;
    if (m.treeTasklist->isVisible()) {
        m.lblTasks->show();
        m.edTasks->hide();
    }
}

void TMemoPanel::StartNewMemo()
{
    if (!m.OrdersTree()->OrderSelected())
        return;
    m.lblTasks->hide();
    m.edTasks->show();
    m.edTasks->setFocus();
}

void TMemoPanel::CommitMemo()
{
    // Enter hides the edit, which takes the focus away as well: one commit for both.
    if (m_committing)
        return;
    m_committing = true;
    m.edTasks->hide();
    if (m_shown)
        m.lblTasks->show();
    const QString text = m.edTasks->text();
    if (!text.isEmpty() && m.CurrentOrder) {
        const TDateTime created = Now();
        int taskId = 0;
        try {
            taskId = Db::insert(QStringLiteral("Tasks"), {{"OrderID", m.CurrentOrder->OrderID},
                                                          {"TaskShort", Db::cut255(text)},
                                                          {"TaskLong", QString("")},
                                                          {"Completed", false},
                                                          {"CreatedDate", created}});
        } catch (const DbError&) {
            taskId = 0; // listed all the same; ticking it changes no row
        }
        m_filling = true;
        addRow(text, taskId, false);
        m_filling = false;
        m.edTasks->clear();
    }
    m_committing = false;
}

void TMemoPanel::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != 0)
        return;
    const bool ticked = item->checkState(0) == Qt::Checked;
    try {
        Db::exec(QStringLiteral("update Tasks set Completed =:p_c, CompletedDate =:p_d where TaskID =:p_tid"),
                 {{"p_c", ticked}, {"p_d", Now()}, {"p_tid", item->text(1).toInt()}});
    } catch (const DbError& e) {
        HandleApplicationError(QString::fromStdString(e.what()));
        return;
    }
    m_filling = true;
    markDone(item, ticked);
    m_filling = false;
}

bool TMemoPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m.lblTasks && event->type() == QEvent::MouseButtonRelease) {
        StartNewMemo();
        return true;
    }
    if (watched == m.edTasks) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                CommitMemo();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && m.edTasks->isVisible()) {
            CommitMemo();
        }
    }
    return QObject::eventFilter(watched, event);
}
