#pragma once

#include "core/DateTimeUtils.h"
#include "core/Settings.h"

#include <QList>
#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;
class QTreeWidget;
class QPushButton;
class TActiveInformationPanel;
class TImage32View;
class TInstanceServer;
class TOrder;
class TGraphicalStateChart;
class TOrderSummaryBox;
class TOrdersTree;
class TChartArea;
class TMemoPanel;
class TOrderDetails;

// The main window: the hub that owns the settings, the orders in memory and the three charts.
class TfrmMainPellomarAlpha : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmMainPellomarAlpha(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TfrmMainPellomarAlpha() override;

    TSettings Settings;
    bool StartupDone = false;
    bool FirstStartAfterInstall = false;
    bool PendingActOrder = false;
    TDateTime TodayShownAt = 0;
    QList<TOrder*> LoadedOrders;
    TOrder* CurrentOrder = nullptr;
    TGraphicalStateChart* OrderProgressChart = nullptr; // the order's own chart, or m_emptyChart
    std::unique_ptr<TGraphicalStateChart> ProgressFrameChart;
    std::unique_ptr<TGraphicalStateChart> MemoFrameChart;
    std::unique_ptr<TOrderSummaryBox> SummaryBox;
    bool StartupSequenceRun = false;  // the first show has run the start-up sequence
    bool OrdersLoadedAtStart = false; // the load that follows the start-up sequence is done

    // Controls (names as the rest of the program and the tests know them).
    TImage32View* imgTopLeft;
    TImage32View* imgTopEmail;
    TImage32View* imgMiddleTopLeft;
    TImage32View* imgBrevantaTitle;
    QToolButton* btnTreeSortOrder;
    QMenu* popupmenuTreeSort;
    QAction* tbiMostRecentEntryAtTop;
    QAction* tbiMostOverdueOrderAtTop;
    QCheckBox* cbSampleOrders;
    TImage32View* imgMiddleLeft;
    QTreeWidget* treeBrevanta;
    QWidget* panDatabaseLoading;
    QLabel* lblOrderLoadingStatus;
    QProgressBar* prgOrderLoadingStatus;
    QWidget* panMiddleRight;
    TImage32View* imgMiddleTopRight;
    TImage32View* imgOrderCostTotal;
    TImage32View* imgMiddleMiddle;
    QPushButton* btnEditInvoices;
    QPushButton* btnNotes;
    QLabel* lblNotesNone;
    QWidget* pnlMainStateChart;
    TImage32View* imgMiddleBottom;
    QScrollArea* imgOrderProgressScroll;
    TImage32View* imgOrderProgress;
    TImage32View* imgTasks;
    QTreeWidget* treeTasklist;
    QLabel* lblTasks;
    QLineEdit* edTasks;
    TImage32View* imgBottomLeft;
    TImage32View* imgBottomRight;
    TImage32View* imgToday;
    TActiveInformationPanel* panActiveInformation;
    QPushButton* elbtnConnect;
    QMenu* popupmenuCustomerTree;
    QAction* tbiDeleteOrder;
    QAction* tbiDeleteOrderPopup;
    QAction* tbiExit;
    QTimer* tmrLoadOrders;
    QTimer* tmrTodayUpdate;
    QTimer* tmrNewOrderFromACT;

    // Operations other windows call.
    void SaveSettings();
    void LoadSettings();
    void ReloadOrders(); // LoadAllOrders followed by RebuildTree
    void LoadAllOrders();
    void RebuildTree();
    void DrawToday();
    void TodayTimerTick(); // redraws the today box once the date has changed
    void DrawTitleAndLines();
    void DrawTotals();
    void DrawUserAndEmail();
    void RefreshDetails();
    bool OrderSelected();
    void ArrangeChartArea();
    void RepaintChartArea();
    void ShowOrderChart(TOrder* order);
    void ClearCurrentOrder();
    void LoadMemos(int orderId);
    void ClearMemos();
    void ToggleSampleOrders();
    void DeleteSelectedOrder();
    QString CurrentSortClause() const;
    void StartupSequence();
    void Checkpoint(int number);
    bool MemoPanelShown() const;
    void ShowMemoPanel();
    void HideMemoPanel();
    TOrdersTree* OrdersTree() const { return m_tree; }
    TChartArea* ChartArea() const { return m_chartArea; }
    TMemoPanel* MemoPanel() const { return m_memos; }
    TOrderDetails* OrderDetails() const { return m_details; }

    // The copy-data handler: returns 0 for an empty word, 22 otherwise.
    int HandleCopyData(const QString& word);
    void BringToFront();

    // How many times the write test warned (tests read it).
    int WriteTestWarnings = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void layoutLeftHalf();
    void layoutRightHalf();
    void layoutBottom();
    void restorePosition();
    void savePosition();
    void loadTheme();
    void writeTest();
    void onLoadOrdersTimer();
    void onConnectClicked();
    void onSampleOrdersClicked();
    void showTutorialAndTips();
    void createCharts();
    void createControllers();
    void drawSeparator(TImage32View* view, int y, int x0, int x1);

    QStringList m_arguments;
    QSplitter* m_splitter = nullptr;
    QWidget* m_leftHalf = nullptr;
    QWidget* m_top = nullptr;
    QWidget* m_bottom = nullptr;
    std::unique_ptr<TGraphicalStateChart> m_emptyChart;
    TOrdersTree* m_tree = nullptr;
    TChartArea* m_chartArea = nullptr;
    TMemoPanel* m_memos = nullptr;
    TOrderDetails* m_details = nullptr;
    TInstanceServer* m_instanceServer = nullptr;
    bool m_settingsSaved = false;
};

extern TfrmMainPellomarAlpha* frmMainPellomarAlpha;
