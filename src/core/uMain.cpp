#include "core/uMain.h"

#include "charts/uStateCharts.h"
#include "core/Fonts.h"
#include "core/HtmlItemDelegate.h"
#include "core/ImageView.h"
#include "core/IniFile.h"
#include "core/ProgramDir.h"
#include "core/SingleInstance.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "help/uHelp.h"
#include "orders/uBox32.h"
#include "orders/uClasses.h"
#include "orders/uOrderDetails.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

TfrmMainPellomarAlpha* frmMainPellomarAlpha = nullptr;

namespace {

constexpr int kTopHeight = 64;
constexpr int kBottomHeight = 50;
constexpr int kTitleHeight = 38;
constexpr int kSummaryHeight = 145;

QImage personGlyph(int size, QColor colour)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(size * 0.32, size * 0.08, size * 0.36, size * 0.36));
    p.drawRoundedRect(QRectF(size * 0.14, size * 0.5, size * 0.72, size * 0.44), size * 0.2, size * 0.2);
    return img;
}

QImage envelopeGlyph(int width, int height, QColor colour)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    QRectF r(2, 2, width - 4, height - 4);
    p.drawRoundedRect(r, 3, 3);
    p.drawLine(r.topLeft() + QPointF(2, 2), QPointF(width / 2.0, height * 0.58));
    p.drawLine(QPointF(width / 2.0, height * 0.58), r.topRight() + QPointF(-2, 2));
    return img;
}

QIcon sortGlyph()
{
    QPixmap pix(20, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x31, 0x6A, 0xC5), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(2, 3.5 + i * 4.5), QPointF(12 - i * 3, 3.5 + i * 4.5));
    QPainterPath arrow;
    arrow.moveTo(16, 2);
    arrow.lineTo(16, 14);
    arrow.moveTo(13, 11);
    arrow.lineTo(16, 14);
    arrow.lineTo(19, 11);
    p.drawPath(arrow);
    return QIcon(pix);
}

void drawTopLeftText(QImage& bmp, int x, int y, const QString& text, const QFont& font, QRgb argb)
{
    DrawFittedText(bmp, font, 6, 0, x, y, text, 4, argb);
}

} // namespace

TfrmMainPellomarAlpha::TfrmMainPellomarAlpha(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_arguments(arguments)
{
    frmMainPellomarAlpha = this;
    setObjectName(QStringLiteral("frmMainPellomarAlpha"));
    setWindowTitle(QStringLiteral("Pellomar Brevanta Lite"));
    resize(1024, 720);
    setMinimumSize(760, 560);
    buildControls();
    buildMenus();
    createControllers();

    // Errors that escape a handler reach the application's handler (installed by the entry), which
    // resets the cursor and reports them.
    ModalFormOpen() = false;
    LoadSettings();
    Checkpoint(1);
    restorePosition();
    Checkpoint(2);
    LoadedOrders.clear();
    StartupDone = false;
    Checkpoint(3);
    Checkpoint(4);
    Checkpoint(5);
    Checkpoint(6);
    setWindowTitle(windowTitle() + QStringLiteral(" 2.1.0") + QStringLiteral(" Beta"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Pellomar Brevanta Lite 2.1.0"));
    Checkpoint(7);

    m_instanceServer = new TInstanceServer(this);
    connect(m_instanceServer, &TInstanceServer::wordReceived, this,
            [this](const QString& word, int& reply) { reply = HandleCopyData(word); });
    connect(m_instanceServer, &TInstanceServer::showRequested, this, &TfrmMainPellomarAlpha::BringToFront);
    m_instanceServer->listen();
}

TfrmMainPellomarAlpha::~TfrmMainPellomarAlpha()
{
    CurrentOrder = nullptr;
    OrderProgressChart = nullptr;
    FreeAllItems(LoadedOrders);
    if (frmMainPellomarAlpha == this)
        frmMainPellomarAlpha = nullptr;
}

void TfrmMainPellomarAlpha::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_top = new QWidget(central);
    m_top->setFixedHeight(kTopHeight);
    m_top->installEventFilter(this);
    imgTopLeft = new TImage32View(m_top, QStringLiteral("imgTopLeft"));
    imgTopEmail = new TImage32View(m_top, QStringLiteral("imgTopEmail"));
    column->addWidget(m_top);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("splitterMain"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(6);
    column->addWidget(m_splitter, 1);

    m_leftHalf = new QWidget(m_splitter);
    m_leftHalf->setObjectName(QStringLiteral("panMiddleLeft"));
    m_leftHalf->setMinimumWidth(300);
    m_leftHalf->installEventFilter(this);
    imgMiddleTopLeft = new TImage32View(m_leftHalf, QStringLiteral("imgMiddleTopLeft"));
    imgBrevantaTitle = new TImage32View(imgMiddleTopLeft, QStringLiteral("imgBrevantaTitle"));
    btnTreeSortOrder = new QToolButton(imgMiddleTopLeft);
    btnTreeSortOrder->setObjectName(QStringLiteral("btnTreeSortOrder"));
    btnTreeSortOrder->setToolTip(QStringLiteral("Sort Customer Orders"));
    btnTreeSortOrder->setIcon(sortGlyph());
    btnTreeSortOrder->setIconSize(QSize(20, 16));
    btnTreeSortOrder->setToolButtonStyle(Qt::ToolButtonIconOnly);
    cbSampleOrders = new QCheckBox(QStringLiteral("Sample Orders"), imgMiddleTopLeft);
    cbSampleOrders->setObjectName(QStringLiteral("cbSampleOrders"));
    imgMiddleLeft = new TImage32View(m_leftHalf, QStringLiteral("imgMiddleLeft"));
    treeBrevanta = new QTreeWidget(imgMiddleLeft);
    treeBrevanta->setObjectName(QStringLiteral("treeBrevanta"));
    treeBrevanta->setItemDelegate(new THtmlItemDelegate(treeBrevanta));
    treeBrevanta->hide();
    panDatabaseLoading = new QWidget(imgMiddleLeft);
    panDatabaseLoading->setObjectName(QStringLiteral("panDatabaseLoading"));
    {
        auto* l = new QVBoxLayout(panDatabaseLoading);
        lblOrderLoadingStatus = new QLabel(panDatabaseLoading);
        lblOrderLoadingStatus->setObjectName(QStringLiteral("lblOrderLoadingStatus"));
        lblOrderLoadingStatus->setFont(TahomaFont(9, true));
        lblOrderLoadingStatus->setStyleSheet(QStringLiteral("color: #1F3B73;"));
        prgOrderLoadingStatus = new QProgressBar(panDatabaseLoading);
        prgOrderLoadingStatus->setObjectName(QStringLiteral("prgOrderLoadingStatus"));
        prgOrderLoadingStatus->setTextVisible(false);
        l->addWidget(lblOrderLoadingStatus);
        l->addWidget(prgOrderLoadingStatus);
    }
    panDatabaseLoading->hide();

    panMiddleRight = new QWidget(m_splitter);
    panMiddleRight->setObjectName(QStringLiteral("panMiddleRight"));
    panMiddleRight->setMinimumWidth(380);
    panMiddleRight->installEventFilter(this);
    imgMiddleTopRight = new TImage32View(panMiddleRight, QStringLiteral("imgMiddleTopRight"));
    imgOrderCostTotal = new TImage32View(imgMiddleTopRight, QStringLiteral("imgOrderCostTotal"));
    imgMiddleMiddle = new TImage32View(panMiddleRight, QStringLiteral("imgMiddleMiddle"));
    btnEditInvoices = new QPushButton(imgMiddleMiddle);
    btnEditInvoices->setObjectName(QStringLiteral("btnEditInvoices"));
    btnEditInvoices->setToolTip(QStringLiteral("Update Invoice and Payments"));
    btnEditInvoices->setGeometry(114, 96, 32, 32);
    btnNotes = new QPushButton(imgMiddleMiddle);
    btnNotes->setObjectName(QStringLiteral("btnNotes"));
    btnNotes->setToolTip(QStringLiteral("View the Notes for this Order"));
    btnNotes->setGeometry(150, 96, 32, 32);
    lblNotesNone = new QLabel(QStringLiteral("None"), imgMiddleMiddle);
    lblNotesNone->setObjectName(QStringLiteral("lblNotesNone"));
    lblNotesNone->setFont(TahomaPixelFont(11));
    lblNotesNone->setGeometry(186, 110, 60, 16);
    pnlMainStateChart = new QWidget(panMiddleRight);
    pnlMainStateChart->setObjectName(QStringLiteral("pnlMainStateChart"));
    pnlMainStateChart->installEventFilter(this);
    imgMiddleBottom = new TImage32View(pnlMainStateChart, QStringLiteral("imgMiddleBottom"));
    imgOrderProgressScroll = new QScrollArea(imgMiddleBottom);
    imgOrderProgressScroll->setObjectName(QStringLiteral("imgOrderProgressScroll"));
    imgOrderProgressScroll->setFrameShape(QFrame::NoFrame);
    imgOrderProgressScroll->setWidgetResizable(false);
    imgOrderProgressScroll->setStyleSheet(
        QStringLiteral("QScrollArea { background: #FFF3DA; } QScrollBar:vertical { width: 8px; } "
                       "QScrollBar:horizontal { height: 8px; }"));
    imgOrderProgress = new TImage32View(nullptr, QStringLiteral("imgOrderProgress"));
    imgOrderProgressScroll->setWidget(imgOrderProgress);
    imgTasks = new TImage32View(imgMiddleBottom, QStringLiteral("imgTasks"));
    imgTasks->hide();
    treeTasklist = new QTreeWidget(imgTasks);
    treeTasklist->setObjectName(QStringLiteral("treeTasklist"));
    treeTasklist->hide();
    lblTasks = new QLabel(QStringLiteral("Click for new Memo"), imgTasks);
    lblTasks->setObjectName(QStringLiteral("lblTasks"));
    lblTasks->hide();
    edTasks = new QLineEdit(imgTasks);
    edTasks->setObjectName(QStringLiteral("edTasks"));
    edTasks->setMaxLength(99);
    edTasks->hide();

    m_bottom = new QWidget(central);
    m_bottom->setFixedHeight(kBottomHeight);
    m_bottom->installEventFilter(this);
    imgBottomLeft = new TImage32View(m_bottom, QStringLiteral("imgBottomLeft"));
    imgBottomRight = new TImage32View(m_bottom, QStringLiteral("imgBottomRight"));
    imgToday = new TImage32View(imgBottomRight, QStringLiteral("imgToday"));
    imgToday->resize(130, 46);
    imgToday->SizeBitmapToControl();
    panActiveInformation = new TActiveInformationPanel(imgBottomRight);
    column->addWidget(m_bottom);

    elbtnConnect = new QPushButton(QStringLiteral("Connect"), central);
    elbtnConnect->setObjectName(QStringLiteral("elbtnConnect"));
    elbtnConnect->hide();
    connect(elbtnConnect, &QPushButton::clicked, this, &TfrmMainPellomarAlpha::onConnectClicked);

    m_splitter->addWidget(m_leftHalf);
    m_splitter->addWidget(panMiddleRight);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);

    tmrLoadOrders = new QTimer(this);
    tmrLoadOrders->setObjectName(QStringLiteral("tmrLoadOrders"));
    tmrLoadOrders->setInterval(10);
    tmrLoadOrders->setSingleShot(true);
    connect(tmrLoadOrders, &QTimer::timeout, this, &TfrmMainPellomarAlpha::onLoadOrdersTimer);
    tmrTodayUpdate = new QTimer(this);
    tmrTodayUpdate->setObjectName(QStringLiteral("tmrTodayUpdate"));
    tmrTodayUpdate->setInterval(300000);
    connect(tmrTodayUpdate, &QTimer::timeout, this, &TfrmMainPellomarAlpha::TodayTimerTick);
    tmrNewOrderFromACT = new QTimer(this);
    tmrNewOrderFromACT->setObjectName(QStringLiteral("tmrNewOrderFromACT"));
    tmrNewOrderFromACT->setInterval(1000);
    tmrNewOrderFromACT->setSingleShot(true);

    connect(cbSampleOrders, &QCheckBox::clicked, this, &TfrmMainPellomarAlpha::onSampleOrdersClicked);
}

void TfrmMainPellomarAlpha::buildMenus()
{
    QMenu* orders = menuBar()->addMenu(QStringLiteral("&Orders"));
    tbiDeleteOrder = orders->addAction(QStringLiteral("Delete this Order..."));
    tbiDeleteOrder->setObjectName(QStringLiteral("tbiDeleteOrder"));
    connect(tbiDeleteOrder, &QAction::triggered, this, &TfrmMainPellomarAlpha::DeleteSelectedOrder);
    orders->addSeparator();
    tbiExit = orders->addAction(QStringLiteral("Exit"));
    tbiExit->setObjectName(QStringLiteral("tbiExit"));
    tbiExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    tbiExit->setShortcutContext(Qt::ApplicationShortcut);
    connect(tbiExit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* helpFile = help->addAction(QStringLiteral("Pellomar Help"));
    helpFile->setObjectName(QStringLiteral("tbiHelp"));
    helpFile->setShortcut(QKeySequence::HelpContents);
    connect(helpFile, &QAction::triggered, this, [] { OpenHelpFile(); });
    QAction* tips = help->addAction(QStringLiteral("Tip of the Day..."));
    tips->setObjectName(QStringLiteral("tbiTipOfTheDay"));
    connect(tips, &QAction::triggered, this, [this] {
        TfrmTipOfTheDay* frm = nullptr;
        RunModalForm(frm, Settings.ShowTips, this);
    });
    QAction* tutorial = help->addAction(QStringLiteral("Tutorial..."));
    tutorial->setObjectName(QStringLiteral("tbiTutorial"));
    connect(tutorial, &QAction::triggered, this, [this] {
        TfrmTutorial* frm = nullptr;
        RunModalForm(frm, Settings.ShowTutorial, this);
    });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("About Pellomar Brevanta Lite..."));
    about->setObjectName(QStringLiteral("tbiAbout"));
    connect(about, &QAction::triggered, this, [this] {
        TfrmAbout* frm = nullptr;
        RunModalForm(frm, this);
    });

    popupmenuTreeSort = new QMenu(this);
    popupmenuTreeSort->setObjectName(QStringLiteral("popupmenuTreeSort"));
    tbiMostRecentEntryAtTop = popupmenuTreeSort->addAction(QStringLiteral("Most Recent Entry at Top"));
    tbiMostRecentEntryAtTop->setObjectName(QStringLiteral("tbiMostRecentEntryAtTop"));
    tbiMostOverdueOrderAtTop = popupmenuTreeSort->addAction(QStringLiteral("Most Overdue Order at Top"));
    tbiMostOverdueOrderAtTop->setObjectName(QStringLiteral("tbiMostOverdueOrderAtTop"));
    for (QAction* a : {tbiMostRecentEntryAtTop, tbiMostOverdueOrderAtTop})
        a->setCheckable(true);
    tbiMostRecentEntryAtTop->setChecked(true);

    popupmenuCustomerTree = new QMenu(this);
    popupmenuCustomerTree->setObjectName(QStringLiteral("popupmenuCustomerTree"));
    tbiDeleteOrderPopup = popupmenuCustomerTree->addAction(QStringLiteral("Delete this Order..."));
    tbiDeleteOrderPopup->setObjectName(QStringLiteral("tbiDeleteOrderPopup"));
    connect(tbiDeleteOrderPopup, &QAction::triggered, this, &TfrmMainPellomarAlpha::DeleteSelectedOrder);
}

void TfrmMainPellomarAlpha::Checkpoint(int number)
{
    if (Settings.PellomarDebugMode)
        ShowStandardMessage(QStringLiteral("Pellomar Debug Checkpoint - #") + QString::number(number));
}

void TfrmMainPellomarAlpha::LoadSettings()
{
    Settings.Load(ProgramDir::file(ProgramFiles::Settings));
}

void TfrmMainPellomarAlpha::SaveSettings()
{
    Settings.Save(ProgramDir::file(ProgramFiles::Settings));
}

void TfrmMainPellomarAlpha::restorePosition()
{
    try {
        IniFile ini(ProgramDir::file(ProgramFiles::Settings));
        ini.load();
        if (!ini.contains(QStringLiteral("Position"), QStringLiteral("Left"))) {
            if (QScreen* screen = QGuiApplication::primaryScreen())
                move(screen->availableGeometry().center() - rect().center());
            return;
        }
        const int left = ini.readInteger("Position", "Left", x());
        const int top = ini.readInteger("Position", "Top", y());
        const int width = ini.readInteger("Position", "Width", this->width());
        const int height = ini.readInteger("Position", "Height", this->height());
        if (width < 100 || height < 100)
            throw std::runtime_error("implausible window size");
        resize(width, height);
        QRect wanted(left, top, width, height);
        // A position on a screen that is no longer attached is pulled back into view.
        if (QScreen* screen = QGuiApplication::screenAt(wanted.center()))
            move(left, top);
        else if (QScreen* primary = QGuiApplication::primaryScreen())
            move(primary->availableGeometry().topLeft());
    } catch (...) {
        ShowPlainMessage(
            QStringLiteral("An Error occurred while trying to restore the Pellomar Position information."));
    }
}

void TfrmMainPellomarAlpha::savePosition()
{
    IniFile ini(ProgramDir::file(ProgramFiles::Settings));
    ini.load();
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    ini.writeInteger("Position", "Left", g.x());
    ini.writeInteger("Position", "Top", g.y());
    ini.writeInteger("Position", "Width", g.width());
    ini.writeInteger("Position", "Height", g.height());
    ini.save();
}

void TfrmMainPellomarAlpha::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!StartupSequenceRun) {
        StartupSequenceRun = true;
        // After the window is on screen, so that modal windows of the sequence have a parent to sit on.
        QTimer::singleShot(0, this, &TfrmMainPellomarAlpha::StartupSequence);
    }
}

void TfrmMainPellomarAlpha::loadTheme()
{
    try {
        QFile theme(ProgramDir::file(ProgramFiles::Theme));
        if (!theme.open(QIODevice::ReadOnly))
            throw std::runtime_error("theme missing");
        qApp->setStyleSheet(QString::fromUtf8(theme.readAll()));
    } catch (...) {
        ShowPlainMessage(QStringLiteral("An Error occurred while trying to load the Pellomar Theme file."));
    }
}

void TfrmMainPellomarAlpha::writeTest()
{
    IniFile test(ProgramDir::file(ProgramFiles::WriteTest));
    test.load();
    test.writeString(QStringLiteral("Test"), QStringLiteral("Test"), QStringLiteral("Test"));
    if (!test.save()) {
        ++WriteTestWarnings;
        ShowMessageBox(
            QStringLiteral(
                "Pellomar has detected it may not be able to run correctly due to being unable to save "
                "information to the Pellomar program directory.\r\n\r\nPlease note that Pellomar "
                "requires that you have Administrator access on your User Account for it to run "
                "normally."),
            mtError, mbOK);
    }
}

void TfrmMainPellomarAlpha::StartupSequence()
{
    Checkpoint(8);
    loadTheme();
    Checkpoint(9);
    writeTest();
    Checkpoint(10);
    OrderDetails()->SizeSummaryBox();
    RefreshDetails();
    Checkpoint(11);

    if (QFileInfo::exists(ProgramDir::file(ProgramFiles::Settings))) {
        Checkpoint(12);
        FirstStartAfterInstall = false;
        const QString marker = ProgramDir::file(ProgramFiles::InstallMarker);
        if (QFileInfo::exists(marker)) {
            Checkpoint(13);
            FirstStartAfterInstall = true;
            QFile::remove(marker);
            Checkpoint(14);
            if (Settings.Name.isEmpty() || Settings.Company.isEmpty() || Settings.FirstRun) {
                Checkpoint(15);
                Settings.FirstRun = false;
                Checkpoint(16);
                Settings.CurrencySymbol = Regional::current().CurrencySymbol;
                Settings.Size = Settings.CurrencySymbol == QLatin1String("$") ? 1 : 0;
                Checkpoint(17);
                SaveSettings();
            }
        }
    }
    Checkpoint(18);
    Checkpoint(35);

    Checkpoint(36);
    if (!StartupDone) {
        Checkpoint(37);
        if (!dmOrders || !dmOrders->Connect())
            ShowMessageBox(
                QStringLiteral("An Error occurred while Pellomar was initialising the Database Link."),
                mtError, mbOK);
        Checkpoint(38);
        createCharts();
        Checkpoint(39);
        treeBrevanta->header()->setFixedHeight(0);
        treeBrevanta->header()->setSectionsMovable(false);
        Checkpoint(40);
        ArrangeChartArea();
        StartupDone = true;
        Checkpoint(41);
    }

    Checkpoint(42);
    DrawTitleAndLines();
    ArrangeChartArea();
    RepaintChartArea();
    cbSampleOrders->setChecked(Settings.DemoEntryAdded);
    Checkpoint(43);

    showTutorialAndTips();
    Checkpoint(44);
    Checkpoint(45);

    if (FirstStartAfterInstall && !cbSampleOrders->isChecked()) {
        FirstStartAfterInstall = false;
        cbSampleOrders->setChecked(true);
        ToggleSampleOrders();
    }
    tmrLoadOrders->start();
    Checkpoint(46);
    panActiveInformation->Start();
    Checkpoint(47);
    if (!m_arguments.isEmpty() && m_arguments.first() == QLatin1String("actorder"))
        PendingActOrder = true;
    ModalFormOpen() = false;
    Checkpoint(48);
}

void TfrmMainPellomarAlpha::showTutorialAndTips()
{
    if (Settings.ShowTutorial) {
        TfrmTutorial* frmTutorial = nullptr;
        RunModalForm(frmTutorial, Settings.ShowTutorial, this);
    }
    if (Settings.ShowTips) {
        TfrmTipOfTheDay* frmTipOfTheDay = nullptr;
        RunModalForm(frmTipOfTheDay, Settings.ShowTips, this);
    }
}

void TfrmMainPellomarAlpha::onLoadOrdersTimer()
{
    tmrLoadOrders->stop();
    elbtnConnect->click();
    if (PendingActOrder)
        tmrNewOrderFromACT->start();
}

void TfrmMainPellomarAlpha::onConnectClicked()
{
    elbtnConnect->hide();
    DrawUserAndEmail();
    QCoreApplication::processEvents();
    ReloadOrders();
    OrdersLoadedAtStart = true;
}

void TfrmMainPellomarAlpha::DrawUserAndEmail()
{
    QImage& email = imgTopEmail->Bitmap();
    email.fill(Qt::white);
    {
        QPainter p(&email);
        p.drawImage(10, 20, envelopeGlyph(28, 20, QColor(0xA7, 0xBA, 0xE4)));
    }
    drawTopLeftText(email, 46, 17, QStringLiteral("E-mail:"), TahomaFont(8), 0xFFA9A99F);
    imgTopEmail->update();

    QImage& user = imgTopLeft->Bitmap();
    user.fill(Qt::white);
    {
        QPainter p(&user);
        p.drawImage(10, 16, personGlyph(32, QColor(0xA7, 0xBA, 0xE4)));
    }
    drawTopLeftText(user, 52, 17, QStringLiteral("User:"), TahomaFont(8), 0xFFB9B9AF);
    drawTopLeftText(user, 52, 29, Settings.Name, TahomaFont(12), 0xFF000000);
    drawTopLeftText(user, 52, 48, Settings.Company, TahomaFont(8), 0x7F000000);
    imgTopLeft->update();
}

void TfrmMainPellomarAlpha::DrawToday()
{
    QImage& bmp = imgToday->Bitmap();
    bmp.fill(Qt::white);
    QPainter p(&bmp);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont title = TahomaFont(12, true);
    p.setFont(title);
    p.setPen(QColor::fromRgba(0xFFB9B9AF));
    const QFontMetrics tm(title, &bmp);
    const QString today = QStringLiteral("Today");
    p.drawText(bmp.width() - tm.horizontalAdvance(today), 5 + tm.ascent(), today);
    const QFont dateFont = TahomaFont(10, true);
    const QFontMetrics dm(dateFont, &bmp);
    const QString date = FormatDateTime(QStringLiteral("dd mmm yyyy"), Now()) + ' ';
    p.setFont(dateFont);
    p.setPen(QColor::fromRgba(0xFF000080));
    p.drawText(bmp.width() - dm.horizontalAdvance(date), 28 + dm.ascent(), date);
    p.end();
    imgToday->update();
    TodayShownAt = Now();
    tmrTodayUpdate->start();
}

void TfrmMainPellomarAlpha::TodayTimerTick()
{
    if (WholeDays(TodayShownAt) < WholeDays(Now()))
        DrawToday();
}

void TfrmMainPellomarAlpha::drawSeparator(TImage32View* view, int y, int x0, int x1)
{
    QPainter p(&view->Bitmap());
    p.setPen(QColor::fromRgba(0xFFA7BAE4));
    p.drawLine(x0, y, x1, y);
    p.end();
    view->update();
}

void TfrmMainPellomarAlpha::DrawTitleAndLines()
{
    imgBrevantaTitle->Bitmap().fill(Qt::white);
    DrawFittedText(imgBrevantaTitle->Bitmap(), TahomaFont(12, true), 0, 0, 0, 0,
                   QStringLiteral("Customer Orders"), 4, 0xFFB9B9AF);
    imgBrevantaTitle->update();
    DrawToday();
    drawSeparator(imgMiddleTopLeft, 33, 28, imgMiddleTopLeft->width());
    drawSeparator(imgMiddleTopRight, 33, 0, imgMiddleTopRight->width() - 7);
    drawSeparator(imgBottomLeft, 2, 11, imgBottomLeft->width());
    drawSeparator(imgBottomRight, 2, 0, imgBottomRight->width() - 7);
}

void TfrmMainPellomarAlpha::layoutLeftHalf()
{
    const int w = m_leftHalf->width();
    const int h = m_leftHalf->height();
    imgMiddleTopLeft->setGeometry(0, 0, w, kTitleHeight);
    imgMiddleTopLeft->SizeBitmapToControl();
    imgBrevantaTitle->setGeometry(28, 8, qMax(10, w - 28 - 150), 22);
    imgBrevantaTitle->SizeBitmapToControl();
    btnTreeSortOrder->setGeometry(w - 136, 7, 28, 22);
    cbSampleOrders->setGeometry(w - 102, 8, 100, 20);
    imgMiddleLeft->setGeometry(0, kTitleHeight, w, h - kTitleHeight);
    imgMiddleLeft->SizeBitmapToControl();
    treeBrevanta->setGeometry(12, 4, w - 16, imgMiddleLeft->height() - 16);
    panDatabaseLoading->setGeometry(qMax(0, (w - 260) / 2), qMax(0, (imgMiddleLeft->height() - 70) / 2), 260,
                                    70);
    if (StartupDone) {
        drawSeparator(imgMiddleTopLeft, 33, 28, w);
        DrawTotals();
    }
}

void TfrmMainPellomarAlpha::layoutRightHalf()
{
    const int w = panMiddleRight->width();
    const int h = panMiddleRight->height();
    imgMiddleTopRight->setGeometry(0, 0, w, kTitleHeight);
    imgMiddleTopRight->SizeBitmapToControl();
    imgOrderCostTotal->setGeometry(qMax(0, w - 9 - 220), 8, 220, 22);
    imgOrderCostTotal->SizeBitmapToControl();
    imgMiddleMiddle->setGeometry(0, kTitleHeight, w, kSummaryHeight);
    imgMiddleMiddle->SizeBitmapToControl();
    pnlMainStateChart->setGeometry(0, kTitleHeight + kSummaryHeight, w, h - kTitleHeight - kSummaryHeight);
    imgMiddleBottom->setGeometry(0, 0, pnlMainStateChart->width(), pnlMainStateChart->height());
    if (StartupDone) {
        drawSeparator(imgMiddleTopRight, 33, 0, w - 7);
        DrawTotals();
        RefreshDetails();
    }
}

void TfrmMainPellomarAlpha::layoutBottom()
{
    const int leftWidth = m_leftHalf->width() + m_splitter->handleWidth();
    imgBottomLeft->setGeometry(0, 0, leftWidth, kBottomHeight);
    imgBottomLeft->SizeBitmapToControl();
    imgBottomRight->setGeometry(leftWidth, 0, m_bottom->width() - leftWidth, kBottomHeight);
    imgBottomRight->SizeBitmapToControl();
    imgToday->move(imgBottomRight->width() - imgToday->width() - 8, 3);
    panActiveInformation->setGeometry(4, 8, qMax(0, imgToday->x() - 16), 36);
    if (StartupDone) {
        drawSeparator(imgBottomLeft, 2, 11, imgBottomLeft->width());
        drawSeparator(imgBottomRight, 2, 0, imgBottomRight->width() - 7);
    }
}

bool TfrmMainPellomarAlpha::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_top) {
            imgTopLeft->setGeometry(0, 0, 340, kTopHeight);
            imgTopLeft->SizeBitmapToControl();
            imgTopEmail->setGeometry(340, 0, qMin(320, m_top->width() - 340), kTopHeight);
            imgTopEmail->SizeBitmapToControl();
            if (StartupDone)
                DrawUserAndEmail();
        } else if (watched == m_leftHalf) {
            layoutLeftHalf();
            layoutBottom();
        } else if (watched == panMiddleRight) {
            layoutRightHalf();
        } else if (watched == pnlMainStateChart) {
            imgMiddleBottom->setGeometry(0, 0, pnlMainStateChart->width(), pnlMainStateChart->height());
            if (StartupDone) {
                ArrangeChartArea();
                RepaintChartArea();
            }
        } else if (watched == m_bottom) {
            layoutBottom();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMainPellomarAlpha::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}

int TfrmMainPellomarAlpha::HandleCopyData(const QString& word)
{
    if (word.isEmpty())
        return 0;
    if (word == QLatin1String("actorder")) {
        tmrNewOrderFromACT->start();
    } else if (word == QLatin1String("showpellomar")) {
        if (!ModalFormOpen())
            BringToFront();
    }
    return 22;
}

void TfrmMainPellomarAlpha::BringToFront()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TfrmMainPellomarAlpha::closeEvent(QCloseEvent* event)
{
    if (!m_settingsSaved) {
        SaveSettings();
        savePosition();
        m_settingsSaved = true;
    }
    event->accept();
}
