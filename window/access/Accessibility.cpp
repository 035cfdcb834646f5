#include "access/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>

#include "access/Announcer.h"
#include "access/BoardAccessible.h"
#include "board/BoardSurface.h"

namespace kalvado {

namespace {

class AccessibleNotification : public QAccessibleWidget {
public:
    explicit AccessibleNotification(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->text() : QString();
    }
};

// The status line says only its text, empty or not; a plain label would
// borrow the frame's title when empty.
class AccessibleStatusLine : public QAccessibleWidget {
public:
    explicit AccessibleStatusLine(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StatusBar)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

// A push button whose press action clicks at once. The toolkit's own
// animates the press and clicks 100 ms later from a timer, so input given
// meanwhile would overtake it, and the late click could land inside a box
// that input opened: the same reason the buttons' mnemonics click at once.
class AccessiblePressButton : public QAccessibleWidget {
public:
    explicit AccessiblePressButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString caption = button()->text();
        switch (t) {
        case QAccessible::Name:
            if (!button()->accessibleName().isEmpty())
                return button()->accessibleName();
            return QString(caption).replace(QRegularExpression("&(.)"), "\\1");
        case QAccessible::Accelerator: {
            const auto m = QRegularExpression("&([^&])").match(QString(caption).replace("&&", ""));
            return m.hasMatch() ? "Alt+" + m.captured(1).toUpper() : QString();
        }
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << pressAction();
        return names << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && button()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QString accelerator = text(QAccessible::Accelerator);
        if (name == pressAction() && !accelerator.isEmpty())
            return {accelerator};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

class AccessibleSeparator : public QAccessibleWidget {
public:
    explicit AccessibleSeparator(QWidget* line)
        : QAccessibleWidget(line, QAccessible::Separator)
    {
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* factory(const QString& key, QObject* object)
{
    if (key == "kalvado::BoardSurface")
        return NewBoardTable(static_cast<BoardSurface*>(object));
    if (key == "QPushButton")
        return new AccessiblePressButton(static_cast<QAbstractButton*>(object));
    if (key == "kalvado::Announcer")
        return new AccessibleNotification(static_cast<Announcer*>(object));
    if (key == "QLabel" && object->objectName() == "lblInfo")
        return new AccessibleStatusLine(static_cast<QLabel*>(object));
    if (key == "QFrame" && object->objectName() == "Line2")
        return new AccessibleSeparator(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace kalvado
