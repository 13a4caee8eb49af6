// The main window's order operations: they hand over to the orders view and chart controllers.
#include "core/uMain.h"

#include "charts/uChartArea.h"
#include "charts/uStateCharts.h"
#include "core/ImageView.h"
#include "core/uPellomarShow.h"
#include "core/uRecords.h"
#include "orders/uBox32.h"
#include "orders/uClasses.h"
#include "orders/uMemos.h"
#include "orders/uOrderDetails.h"
#include "orders/uOrderLoading.h"
#include "orders/uOrdersTree.h"
#include "orders/uSampleOrders.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>

void TfrmMainPellomarAlpha::createControllers()
{
    m_tree = new TOrdersTree(*this);
    m_chartArea = new TChartArea(*this);
    m_memos = new TMemoPanel(*this);
    m_details = new TOrderDetails(*this);
    m_emptyChart = std::make_unique<TGraphicalStateChart>(nullptr, nullptr, false);
    m_details->CreateSummaryBox();
}

void TfrmMainPellomarAlpha::createCharts()
{
    ProgressFrameChart = std::make_unique<TGraphicalStateChart>(nullptr, nullptr, false);
    ProgressFrameChart->Surface = &imgMiddleBottom->Bitmap();
    ProgressFrameChart->ShowFrame = true;
    MemoFrameChart = std::make_unique<TGraphicalStateChart>(nullptr, nullptr, false);
    MemoFrameChart->Surface = &imgTasks->Bitmap();
    MemoFrameChart->Background = 0xFFDAE2F4;
    MemoFrameChart->ShowFrame = true;
    MemoFrameChart->Title = QStringLiteral("Order Memos:");
    m_emptyChart->Surface = &imgOrderProgress->Bitmap();
    OrderProgressChart = m_emptyChart.get();
    const QString panel = QStringLiteral("background: #DAE2F4;");
    treeTasklist->setStyleSheet(treeTasklist->styleSheet() + panel);
}

QString TfrmMainPellomarAlpha::CurrentSortClause() const
{
    return m_tree->SortClause();
}

void TfrmMainPellomarAlpha::LoadAllOrders()
{
    CurrentOrder = nullptr;
    OrderProgressChart = nullptr;
    if (SummaryBox) {
        SummaryBox->ClearValues();
        SummaryBox->Draw();
        imgMiddleMiddle->update();
    }
    m_emptyChart->ClearStages();
    m_emptyChart->Surface = &imgOrderProgress->Bitmap();
    OrderProgressChart = m_emptyChart.get();
    RepaintChartArea();
    treeBrevanta->hide();
    lblOrderLoadingStatus->setText(QStringLiteral("Loading your Orders..."));
    prgOrderLoadingStatus->setRange(0, 1);
    prgOrderLoadingStatus->setValue(0);
    panDatabaseLoading->show();
    panDatabaseLoading->raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ::LoadAllOrders(LoadedOrders, CurrentSortClause(), [this](int done, int total) {
        prgOrderLoadingStatus->setRange(0, qMax(1, total));
        prgOrderLoadingStatus->setValue(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    panDatabaseLoading->hide();
}

void TfrmMainPellomarAlpha::RebuildTree()
{
    m_tree->RebuildTree();
}

void TfrmMainPellomarAlpha::ReloadOrders()
{
    LoadAllOrders();
    RebuildTree();
}

void TfrmMainPellomarAlpha::DrawTotals()
{
    m_tree->DrawTotals();
}

bool TfrmMainPellomarAlpha::OrderSelected()
{
    return m_tree->OrderSelected();
}

void TfrmMainPellomarAlpha::RefreshDetails()
{
    m_details->RefreshDetails();
}

void TfrmMainPellomarAlpha::ArrangeChartArea()
{
    m_chartArea->ArrangeChartArea();
}

void TfrmMainPellomarAlpha::RepaintChartArea()
{
    m_chartArea->RepaintChartArea();
}

void TfrmMainPellomarAlpha::ShowOrderChart(TOrder* order)
{
    m_chartArea->ShowOrderChart(order);
}

void TfrmMainPellomarAlpha::ClearCurrentOrder()
{
    CurrentOrder = nullptr;
    RefreshDetails();
    m_chartArea->ClearChart();
    ClearMemos();
}

bool TfrmMainPellomarAlpha::MemoPanelShown() const
{
    return m_memos->MemoPanelShown();
}

void TfrmMainPellomarAlpha::ShowMemoPanel()
{
    m_memos->ShowMemoPanel();
}

void TfrmMainPellomarAlpha::HideMemoPanel()
{
    m_memos->HideMemoPanel();
}

void TfrmMainPellomarAlpha::LoadMemos(int orderId)
{
    m_memos->LoadMemos(orderId);
}

void TfrmMainPellomarAlpha::ClearMemos()
{
    m_memos->ClearMemos();
}

void TfrmMainPellomarAlpha::ToggleSampleOrders()
{
    // The orders are freed by the removal; nothing may point at them meanwhile.
    CurrentOrder = nullptr;
    OrderProgressChart = m_emptyChart.get();
    ::ToggleSampleOrders(Settings, LoadedOrders);
    cbSampleOrders->setChecked(Settings.DemoEntryAdded);
    ReloadOrders();
    RefreshDetails();
}

void TfrmMainPellomarAlpha::onSampleOrdersClicked()
{
    cbSampleOrders->setEnabled(false);
    try {
        ToggleSampleOrders();
    } catch (...) {
        cbSampleOrders->setEnabled(true);
        throw;
    }
    cbSampleOrders->setEnabled(true);
}

void TfrmMainPellomarAlpha::DeleteSelectedOrder()
{
    if (!OrderSelected())
        return;
    TOrder* order = CurrentOrder;
    const int answer =
        ShowMessageBox(QStringLiteral("Are you sure you want to Delete the Complete Order from ") +
                           order->FullName + QStringLiteral(", ") + order->CompanyName + QStringLiteral("?"),
                       mtWarning, mbYesNo);
    if (answer != mrYes)
        return;
    CurrentOrder = nullptr;
    OrderProgressChart = m_emptyChart.get();
    DeleteOrder(order, LoadedOrders);
    RebuildTree();
    RefreshDetails();
}
