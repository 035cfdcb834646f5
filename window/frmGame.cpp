#include "frmGame.h"

#include <QCoreApplication>
#include <QLayout>
#include <QScopedValueRollback>

#include <array>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "Accessibility.h"
#include "Announcer.h"
#include "BoardCursor.h"
#include "ClientArea.h"
#include "Contrast.h"
#include "CloseRequests.h"
#include "FormFonts.h"
#include "Images.h"
#include "Language.h"
#include "Mnemonics.h"
#include "ReadOut.h"
#include "Separator.h"
#include "Summary.h"
#include "ui_frmGame.h"

// The images live in a static library, whose resources nothing else pulls in.
static void initImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace kalvado {

namespace {

// Marks the skin in use in the Option menu, in every language.
const QString SKIN_MARK = " *";

QString exeDirOr(const QString& dir)
{
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

} // namespace

frmGame::frmGame(const QString& exeDir, MsgBoxFunction msgBox, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmGame>())
    , m_game(m_state, *this, exeDirOr(exeDir).toStdString())
    , m_msgBox(std::move(msgBox))
{
    initImageResources();
    InstallAccessibility();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    ui->centralwidget->setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFormFonts(*ui);
    SetUpReadOut(*ui);
    new Readability(this, ui->lblPlayer, ui->lblCom);
    m_boardCursor = new BoardCursor(ui->picBoard);
    new Separator(ui->Line2);
    new ImmediateMnemonics(this, {ui->cmdPass, ui->cmdAbout, ui->cmdExit});
    m_closeRequests = std::make_unique<CloseRequests>(this, [this] { closeWhileBoxOpen(); });

    connect(ui->mNewGame, &QAction::triggered, this, [this] { act([this] { return m_game.mNewGame_Click(); }); });
    connect(ui->mExit, &QAction::triggered, this, [this] { act([this] { mExit_Click(); }); });
    for (int n = 1; n <= 3; ++n)
        connect(skinItem(n), &QAction::triggered, this,
                [this, n] { act([this, n] { return m_game.mBoard_Click(n); }); });
    connect(ui->cmdPass, &QPushButton::clicked, this, [this] { act([this] { return m_game.cmdPass_Click(); }); });
    connect(ui->cmdAbout, &QPushButton::clicked, this, [this] { act([this] { cmdAbout_Click(); }); });
    connect(ui->cmdExit, &QPushButton::clicked, this, [this] { act([this] { mExit_Click(); }); });
    connect(ui->picBoard, &BoardSurface::mouseReleased, this, [this](int button, int shift, float x, float y) {
        act([&] { return m_game.picBoard_MouseUp(button, shift, x, y); });
    });
    connect(ui->picBoard, &BoardSurface::cellChosen, this,
            [this](int col, int row) { act([&] { return m_game.PlaceAt(col, row); }); });
    connect(ui->picBoard, &BoardSurface::mouseMoved, this,
            [this](int, int, float x, float y) { ShowPointerReadOut(*ui, x, y); });

    // For assistive technology: what the board holds, and a voice for what
    // each action did.
    ui->picBoard->setCellSource([this](int col, int row) { return m_state.Board(col, row); });
    m_announcer = new Announcer(ui->centralwidget);

    ui->picBoard->setFocus();
    say(m_game.frmGame_Load());
}

frmGame::~frmGame() = default;

// The icon at every size is decoded once the window is up: seven pictures
// would otherwise hold up the window's first appearance.
void frmGame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_iconPending) {
        m_iconPending = false;
        QMetaObject::invokeMethod(this, [this] { setWindowIcon(LoadWindowIcon()); }, Qt::QueuedConnection);
    }
}

// A game action's outcome is what is said of it; the window's own actions
// (About, Exit) say nothing beyond their boxes.
template <typename Handler>
void frmGame::act(Handler&& handler)
{
    if (m_acting || m_closing)
        return;
    const QScopedValueRollback acting(m_acting, true);
    if constexpr (std::is_same_v<std::invoke_result_t<Handler>, Outcome>)
        say(handler());
    else
        handler();
}

void frmGame::say(const Outcome& outcome)
{
    if (!m_closing)
        m_announcer->announce(Summary(outcome));
}

// The player's language changed: every text again, from its source.
void frmGame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        std::array<bool, 4> marked{};
        for (int n = 1; n <= 3; ++n)
            marked[n] = skinItem(n)->text().endsWith(SKIN_MARK);
        ui->retranslateUi(this);
        for (int n = 1; n <= 3; ++n)
            markSkinItem(n, marked[n]);
        DescribeReadOut(*ui);
        setCaption(Label::Info, m_status);
        showTotals(m_totals[0], m_totals[1]);
    }
    QMainWindow::changeEvent(event);
}

// The close box while a box is open: the box goes, and so does the game,
// without asking, as the close box does at any other time. The action that
// opened the box runs out without showing anything more.
void frmGame::closeWhileBoxOpen()
{
    if (m_closing)
        return;
    m_closing = true;
    close();
    QCoreApplication::exit(0);
}

// ---- WindowOps --------------------------------------------------------------

void frmGame::DrawChess(int col, int row, Cell chess)
{
    ui->picBoard->DrawChess(col, row, chess);
}

void frmGame::DrawBoard()
{
    ui->picBoard->DrawBoard();
}

void frmGame::setCaption(Label label, const std::string& text)
{
    QLabel* target = label == Label::Info ? ui->lblInfo : label == Label::Player ? ui->lblPlayer : ui->lblCom;
    if (label == Label::Info)
        m_status = text;
    SetLabelText(target, GameText(text));
}

void frmGame::showTotals(int player, int computer)
{
    m_totals = {player, computer};
    auto twoDigits = [](int total) { return QString::number(total).rightJustified(2, '0'); };
    //: %1 is the human's total in two digits, right after the colon.
    SetLabelText(ui->lblPlayer, tr("Player total:%1").arg(twoDigits(player)));
    //: %1 is the computer's total in two digits, right after the colon.
    SetLabelText(ui->lblCom, tr("Computer total:%1").arg(twoDigits(computer)));
}

void frmGame::setPassEnabled(bool enabled)
{
    ui->cmdPass->setEnabled(enabled);
}

void frmGame::loadSkin(const std::string& path)
{
    const QImage image = LoadBoardImage(QString::fromStdString(path));
    if (image.isNull())
        throw SkinLoadError("cannot show " + path);
    ui->picBoard->setBackground(image);
}

void frmGame::repaintBoard()
{
    ui->picBoard->update();
}

void frmGame::showDefaultImage()
{
    ui->picBoard->setBackground(defaultImage());
}

// The built-in image is decoded on first use: at start-up the skin file
// normally replaces it before the window is ever shown.
const QImage& frmGame::defaultImage()
{
    if (m_defaultImage.isNull()) {
        m_defaultImage = LoadBoardImage(":/images/default.jpg");
        ui->picDefault->setPixmap(QPixmap::fromImage(m_defaultImage));
    }
    return m_defaultImage;
}

void frmGame::setBoardCursor()
{
    m_boardCursor->set();
}

void frmGame::markSkinItem(int n, bool marked)
{
    QAction* item = skinItem(n);
    if (marked && !item->text().endsWith(SKIN_MARK))
        item->setText(item->text() + SKIN_MARK);
    else if (!marked && item->text().endsWith(SKIN_MARK))
        item->setText(item->text().chopped(SKIN_MARK.size()));
}

int frmGame::MsgBox(const std::string& text, int style, const std::string& title)
{
    return box(GameText(text), style, GameText(title));
}

int frmGame::box(const QString& text, int style, const QString& title)
{
    if (m_closing)
        return (style & Style::ButtonMask) == Style::YesNo ? ANSWER_NO : ANSWER_OK;
    // Before the window is shown (a box from start-up) the box stands alone.
    const int answer = m_msgBox(isVisible() ? this : nullptr, text, style, title);
    m_boardCursor->restoreAfterBox();
    return answer;
}

// ---- Handlers of the window's own -------------------------------------------

QAction* frmGame::skinItem(int index) const
{
    switch (index) {
    case 1: return ui->mBoard_1;
    case 2: return ui->mBoard_2;
    case 3: return ui->mBoard_3;
    default: throw std::out_of_range("no skin " + std::to_string(index));
    }
}

void frmGame::cmdAbout_Click()
{
    box(tr("Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer."),
        Style::Information, tr("About Pennalt"));
}

// The Exit button and the menu's Exit ask the same.
void frmGame::mExit_Click()
{
    if (box(tr("Exit game?"), Style::Question + Style::YesNo) == ANSWER_YES)
        close();
}

} // namespace kalvado
