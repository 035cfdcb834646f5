#include "frmGame.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcutEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Accessibility.h"
#include "CloseRequests.h"
#include "Images.h"
#include "Position.h"
#include "ui_frmGame.h"

// The images live in a static library, whose resources nothing else pulls in.
static void initImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace kalvado {

namespace {

const char* const APP_TITLE = "Kalvado";

// The form's faces are Windows fonts. Where one is missing, the first
// installed look-alike takes its place. Resolving the name here rather than
// through the toolkit's substitution spares a fontconfig fallback search for
// every label at start-up.
QString installedFamily(const QString& face)
{
    static const QHash<QString, QStringList> lookAlikes{
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"PMingLiU", {"AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK TC", "DejaVu Serif"}},
    };
    // A plain list look-up: asking about a missing family by name sends
    // fontconfig through its whole alias search.
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(face, Qt::CaseInsensitive))
        return face;
    for (const QString& family : lookAlikes.value(face))
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return face;
}

QFont formFont(const QString& face, double points, bool bold, bool underline = false)
{
    QFont font(installedFamily(face));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline); // set either way, so no frame's underline is inherited
    return font;
}

QString exeDirOr(const QString& dir)
{
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

} // namespace

int ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? APP_TITLE : title);
    box.setText(text);
    switch (style & Style::IconMask) {
    case Style::Critical: box.setIcon(QMessageBox::Critical); break;
    case Style::Question: box.setIcon(QMessageBox::Question); break;
    case Style::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Style::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    if ((style & Style::ButtonMask) == Style::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return ANSWER_YES;
    case QMessageBox::No: return ANSWER_NO;
    default: return ANSWER_OK;
    }
}

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
    ui->centralwidget->setFixedSize(792, 498);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFormFonts();
    for (QLabel* label : {ui->Label4, ui->Label5, ui->LabelX, ui->LabelY, ui->IntPosX, ui->IntPosY, ui->lblPlayer,
                          ui->lblCom})
        label->setProperty("autoSize", true);

    m_boardCursor = LoadCursorFile(":/images/board.cur");

    connect(ui->mNewGame, &QAction::triggered, this, [this] {
        act([this] {
            m_newGameAction = true;
            mNewGame_Click();
        });
    });
    connect(ui->mExit, &QAction::triggered, this, [this] { act([this] { mExit_Click(); }); });
    connect(ui->mBoard_1, &QAction::triggered, this, [this] { act([this] { mBoard_Click(1); }); });
    connect(ui->mBoard_2, &QAction::triggered, this, [this] { act([this] { mBoard_Click(2); }); });
    connect(ui->mBoard_3, &QAction::triggered, this, [this] { act([this] { mBoard_Click(3); }); });
    connect(ui->cmdPass, &QPushButton::clicked, this, [this] { act([this] { cmdPass_Click(); }); });
    connect(ui->cmdAbout, &QPushButton::clicked, this, [this] { act([this] { cmdAbout_Click(); }); });
    connect(ui->cmdExit, &QPushButton::clicked, this, [this] { act([this] { cmdExit_Click(); }); });
    connect(ui->picBoard, &BoardSurface::mouseReleased, this, [this](int button, int shift, float x, float y) {
        act([&] { picBoard_MouseUp(button, shift, x, y); });
    });
    connect(ui->picBoard, &BoardSurface::mouseMoved, this, &frmGame::picBoard_MouseMove);
    // A button's Alt+letter normally clicks only after a short press
    // animation, from a timer; input given meanwhile would overtake it and
    // the late click could land inside a box that input opened.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{ui->cmdPass, ui->cmdAbout, ui->cmdExit})
        button->installEventFilter(this);
    ui->Line2->installEventFilter(this);
    ui->picBoard->installEventFilter(this);
    m_closeRequests = std::make_unique<CloseRequests>(this, [this] { closeWhileBoxOpen(); });

    // For assistive technology: what the board holds, what the read-out's
    // numbers are, and a voice for what each action did.
    ui->picBoard->setCellSource([this](int col, int row) { return m_state.Board(col, row); });
    ui->LabelX->setAccessibleDescription("Pointer X, pixels");
    ui->LabelY->setAccessibleDescription("Pointer Y, pixels");
    ui->IntPosX->setAccessibleDescription("Pointer column");
    ui->IntPosY->setAccessibleDescription("Pointer row");
    m_announcer = new Announcer(ui->centralwidget);

    ui->picBoard->setFocus();
    frmGame_Load();
}

frmGame::~frmGame() = default;

// The icon at every size is decoded once the window is up: seven pictures
// would otherwise hold up the window's first appearance.
void frmGame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_iconPending) {
        m_iconPending = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
                QIcon icon;
                for (int size : {16, 24, 32, 48, 64, 128, 256})
                    icon.addFile(QString(":/images/kalvado-%1.png").arg(size), QSize(size, size));
                setWindowIcon(icon);
            },
            Qt::QueuedConnection);
    }
}

template <typename Handler>
void frmGame::act(Handler&& handler)
{
    if (m_acting || m_closing)
        return;
    {
        const QScopedValueRollback acting(m_acting, true);
        m_placements.clear();
        m_statusSaid.clear();
        m_newGameAction = false;
        handler();
    }
    // Said once the window is active again: a screen reader drops what comes
    // from a window between a box closing and the window's activation.
    const QString summary = turnSummary();
    if (isActiveWindow() || !isVisible())
        m_announcer->announce(summary);
    else
        m_pendingAnnouncement = summary;
}

void frmGame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_pendingAnnouncement.isEmpty()) {
        m_announcer->announce(m_pendingAnnouncement);
        m_pendingAnnouncement.clear();
    }
}

// "You played C5 and turned 1. Computer played D6 and turned 2. You 4,
// computer 3." and the status line's text, when the action set one.
QString frmGame::turnSummary() const
{
    QStringList said;
    if (m_newGameAction && m_state.GameStarted)
        said << QString("New game: you play %1.").arg(m_state.PlayerColor == BLACK ? "black" : "white");
    for (const Placement& p : m_placements)
        said << QString("%1 played %2 and turned %3.")
                    .arg(p.side == m_state.PlayerColor ? "You" : "Computer", CellName(p.col, p.row))
                    .arg(p.turned);
    if (!m_placements.empty())
        said << QString("You %1, computer %2.").arg(m_state.PlayerTotal).arg(m_state.ComputerTotal);
    if (!m_statusSaid.isEmpty())
        said << m_statusSaid;
    return said.join(' ');
}

bool frmGame::eventFilter(QObject* watched, QEvent* event)
{
    // The pointer coming onto the board from a screen of another ratio gets
    // the cursor drawn for this one.
    if (watched == ui->picBoard && event->type() == QEvent::Enter && m_boardCursorSet)
        ui->picBoard->setCursor(boardCursor(ui->picBoard->devicePixelRatioF()));
    // The one-pixel separator: the toolkit's own line can fall between device
    // pixels at fractional ratios and vanish, so there it is a filled strip
    // of at least one device pixel.
    if (watched == ui->Line2 && event->type() == QEvent::Paint && ui->Line2->devicePixelRatioF() != 1.0) {
        QPainter painter(ui->Line2);
        const qreal ratio = ui->Line2->devicePixelRatioF();
        const qreal width = std::max(1.0, std::floor(ratio + 0.5)) / ratio;
        painter.fillRect(QRectF(0, 0, width, ui->Line2->height()), ui->Line2->palette().color(QPalette::WindowText));
        return true;
    }
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
            button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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

void frmGame::applyFormFonts()
{
    const QString ms = "MS Sans Serif";
    ui->fraInfo->setFont(formFont(ms, 9.75, false, true));
    for (QLabel* label : {ui->Label1, ui->Label4, ui->Label5, ui->Label6})
        label->setFont(formFont(ms, 9.75, false));
    for (QLabel* label : {ui->LabelX, ui->LabelY, ui->IntPosX, ui->IntPosY})
        label->setFont(formFont(ms, 9.75, true));
    ui->lblInfo->setFont(formFont("Arial", 12, true));
    ui->lblPlayer->setFont(formFont("PMingLiU", 16.5, false));
    ui->lblCom->setFont(formFont("PMingLiU", 16.5, false));
}

void frmGame::frmGame_Load()
{
    m_game.frmGame_Load();
}

void frmGame::setText(QLabel* label, const QString& text)
{
    label->setText(text);
    // Self-sizing labels fit their text and keep their left and top edge.
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

// ---- WindowOps --------------------------------------------------------------

void frmGame::DrawChess(int col, int row, Cell chess)
{
    // A disc on an empty cell is a placement; the flow stores the turned
    // discs before painting them, so those that follow it are its flips.
    if (m_acting && onBoard(col, row) && m_state.Board(col, row) == EMPTY)
        m_placements.push_back({chess, col, row, 0});
    else if (m_acting && !m_placements.empty() && m_placements.back().side == chess)
        ++m_placements.back().turned;
    ui->picBoard->DrawChess(col, row, chess);
}

void frmGame::DrawBoard()
{
    ui->picBoard->DrawBoard();
}

void frmGame::setCaption(Label label, const std::string& text)
{
    QLabel* target = label == Label::Info ? ui->lblInfo : label == Label::Player ? ui->lblPlayer : ui->lblCom;
    setText(target, QString::fromStdString(text));
    if (label == Label::Info)
        m_statusSaid = QString::fromStdString(text);
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

QCursor frmGame::boardCursor(qreal ratio) const
{
    if (ratio <= 1.0)
        return m_boardCursor;
    const int scale = ratio <= 2.0 ? 2 : 3;
    QPixmap pixmap(QString(":/images/board@%1x.png").arg(scale));
    pixmap.setDevicePixelRatio(scale);
    // The X11 platform takes the hot spot in the image's own pixels.
    return QCursor(pixmap, m_boardCursor.hotSpot().x() * scale, m_boardCursor.hotSpot().y() * scale);
}

void frmGame::setBoardCursor()
{
    m_boardCursorSet = true;
    ui->picBoard->setCursor(boardCursor(ui->picBoard->devicePixelRatioF()));
}

void frmGame::markSkinItem(int n, bool marked)
{
    QAction* item = skinItem(n);
    const QString mark = " *";
    if (marked && !item->text().endsWith(mark))
        item->setText(item->text() + mark);
    else if (!marked && item->text().endsWith(mark))
        item->setText(item->text().chopped(mark.size()));
}

int frmGame::MsgBox(const std::string& text, int style, const std::string& title)
{
    if (m_closing)
        return (style & Style::ButtonMask) == Style::YesNo ? ANSWER_NO : ANSWER_OK;
    // Before the window is shown (a box from start-up) the box stands alone.
    const int answer =
        m_msgBox(isVisible() ? this : nullptr, QString::fromStdString(text), style, QString::fromStdString(title));
    // A box puts the arrow on the window it blocks; on Wayland, where the
    // cursor belongs to the pointer rather than to a window, nothing puts the
    // board's back when the box goes.
    if (m_boardCursorSet && windowHandle() && ui->picBoard->rect().contains(ui->picBoard->mapFromGlobal(QCursor::pos())))
        windowHandle()->setCursor(boardCursor(ui->picBoard->devicePixelRatioF()));
    return answer;
}

// ---- Handlers ---------------------------------------------------------------

void frmGame::mNewGame_Click()
{
    m_game.mNewGame_Click();
}

void frmGame::cmdPass_Click()
{
    m_game.cmdPass_Click();
}

void frmGame::picBoard_MouseUp(int button, int shift, float x, float y)
{
    m_game.picBoard_MouseUp(button, shift, x, y);
}

void frmGame::picBoard_MouseMove(int /*button*/, int /*shift*/, float x, float y)
{
    auto cellText = [](float v) {
        const auto cell = CellFromPosition(v);
        return cell ? QString::fromStdString(NumberText(*cell)) : QString();
    };
    auto positionText = [](float v) { return QString::fromStdString(NumberText(std::lround(v))); };
    const QString col = cellText(x);
    setText(ui->LabelX, positionText(x));
    setText(ui->IntPosX, col);
    const QString row = cellText(y);
    setText(ui->LabelY, positionText(y));
    setText(ui->IntPosY, row);
}

QAction* frmGame::skinItem(int index) const
{
    switch (index) {
    case 1: return ui->mBoard_1;
    case 2: return ui->mBoard_2;
    case 3: return ui->mBoard_3;
    default: throw std::out_of_range("no skin " + std::to_string(index));
    }
}

void frmGame::mBoard_Click(int index)
{
    m_game.mBoard_Click(index);
}

void frmGame::cmdAbout_Click()
{
    MsgBox("Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.",
           Style::Information, "About Pennalt");
}

void frmGame::mExit_Click()
{
    if (MsgBox("Exit game?", Style::Question + Style::YesNo) == ANSWER_YES)
        close();
}

void frmGame::cmdExit_Click()
{
    mExit_Click();
}

} // namespace kalvado
