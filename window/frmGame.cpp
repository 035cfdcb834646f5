#include "frmGame.h"

#include <QCoreApplication>
#include <QLayout>
#include <QScopedValueRollback>

#include <array>
#include <stdexcept>
#include <type_traits>

#include "access/Accessibility.h"
#include "access/Announcer.h"
#include "access/BoardAccessible.h"
#include "access/Summary.h"
#include "board/BoardPointer.h"
#include "board/Skins.h"
#include "images/Images.h"
#include "input/CellCursor.h"
#include "input/CloseRequests.h"
#include "input/Mnemonics.h"
#include "labels/Captions.h"
#include "labels/ReadOut.h"
#include "language/Language.h"
#include "look/FormFonts.h"
#include "look/LinePainter.h"
#include "look/Mirroring.h"
#include "look/Readability.h"
#include "ui_frmGame.h"

// The images live in a static library, whose resources nothing else pulls in.
static void initImageResources() { Q_INIT_RESOURCE(images); }

namespace kalvado {

frmGame::frmGame(const QString& exeDir, MsgBoxFunction msgBox, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmGame>())
    , m_game(m_state, *this, (exeDir.isEmpty() ? QCoreApplication::applicationDirPath() : exeDir).toStdString())
    , m_msgBox(std::move(msgBox))
{
    initImageResources();
    SetIconOnceShown(this);
    InstallAccessibility();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFormFonts(*ui);
    TranslateReadOut(*ui);
    new Readability(this, ui->lblPlayer, ui->lblCom);
    new LinePainter(ui->Line2);
    new ImmediateMnemonics(this, {ui->cmdPass, ui->cmdAbout, ui->cmdExit});
    m_boardPointer = new BoardPointer(ui->picBoard);
    m_skins = std::make_unique<Skins>(ui->picBoard, ui->picDefault);
    m_closeRequests = std::make_unique<CloseRequests>(this);
    auto* cellCursor = new CellCursor(ui->picBoard);
    // For assistive technology: the board as the game holds it.
    new BoardReading(ui->picBoard, cellCursor, [this](int col, int row) { return m_state.Board(col, row); });
    m_announcer = new Announcer(ui->centralwidget);
    new Mirroring(ui->centralwidget);

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
    connect(cellCursor, &CellCursor::cellChosen, this,
            [this](int col, int row) { act([&] { return m_game.PlaceAt(col, row); }); });
    connect(ui->picBoard, &BoardSurface::mouseMoved, this,
            [this](int, int, float x, float y) { ShowPointerReadOut(*ui, x, y); });

    ui->picBoard->setFocus();
    m_announcer->announce(Summary(m_game.frmGame_Load()));
}

frmGame::~frmGame() = default;

// What a game action did is said from its outcome; About and Exit only box.
template <typename Handler>
void frmGame::act(Handler&& handler)
{
    if (m_acting || m_closeRequests->closing())
        return;
    const QScopedValueRollback acting(m_acting, true);
    if constexpr (std::is_same_v<std::invoke_result_t<Handler>, Outcome>) {
        const Outcome outcome = handler();
        if (!m_closeRequests->closing())
            m_announcer->announce(Summary(outcome));
    } else {
        handler();
    }
}

// The player's language changed: every text again, from its source.
void frmGame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        TranslateReadOut(*ui);
        m_game.RefreshCaptions();
    }
    QMainWindow::changeEvent(event);
}

// WindowOps: the game's reach into the window.
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
    SetLabelText(label == Label::Info ? ui->lblInfo : label == Label::Player ? ui->lblPlayer : ui->lblCom,
                 GameText(text));
}

void frmGame::showTotals(int player, int computer)
{
    ShowTotals(ui->lblPlayer, ui->lblCom, player, computer);
}

void frmGame::setPassEnabled(bool enabled)
{
    ui->cmdPass->setEnabled(enabled);
}

void frmGame::loadSkin(const std::string& path)
{
    m_skins->show(path);
}

void frmGame::repaintBoard()
{
    ui->picBoard->update();
}

void frmGame::showDefaultImage()
{
    m_skins->showBuiltIn();
}

void frmGame::setBoardCursor()
{
    m_boardPointer->set();
}

void frmGame::markSkinItem(int n, bool marked)
{
    MarkSkin(skinItem(n), marked);
}

int frmGame::MsgBox(const std::string& text, int style, const std::string& title)
{
    return box(GameText(text), style, GameText(title));
}

int frmGame::box(const QString& text, int style, const QString& title)
{
    if (m_closeRequests->closing())
        return (style & Style::ButtonMask) == Style::YesNo ? ANSWER_NO : ANSWER_OK;
    // Before the window is shown (a box from start-up) the box stands alone.
    const int answer = m_msgBox(isVisible() ? this : nullptr, text, style, title);
    m_boardPointer->restoreAfterBox();
    return answer;
}

QAction* frmGame::skinItem(int index) const
{
    if (index >= 1 && index <= 3)
        return std::array{ui->mBoard_1, ui->mBoard_2, ui->mBoard_3}[static_cast<std::size_t>(index - 1)];
    throw std::out_of_range("no skin " + std::to_string(index));
}

void frmGame::cmdAbout_Click()
{
    box(QCoreApplication::translate("frmGame", "Pennalt (Black and White), made by the Kalvado team: outflank, flip "
                                               "and outnumber the computer."),
        Style::Information, QCoreApplication::translate("frmGame", "About Pennalt"));
}

// The Exit button and the menu's Exit ask the same.
void frmGame::mExit_Click()
{
    if (box(QCoreApplication::translate("frmGame", "Exit game?"), Style::Question + Style::YesNo) == ANSWER_YES)
        close();
}

} // namespace kalvado
