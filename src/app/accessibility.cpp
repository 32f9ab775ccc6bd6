#include "app/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <string_view>

namespace velmora {

namespace {

class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    [[nodiscard]] QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return comboBox()->isEditable() && comboBox()->lineEdit() ? comboBox()->lineEdit()->text()
                                                                      : comboBox()->currentText();
        // The accessible name, else the label's text; never the chosen entry.
        return QAccessibleWidget::text(t);
    }

    // The list that drops down, and the text field of an editable one.
    [[nodiscard]] int childCount() const override { return comboBox()->isEditable() ? 2 : 1; }

    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox()->view());
        if (index == 1 && comboBox()->isEditable())
            return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
        return nullptr;
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == comboBox()->view())
            return 0;
        if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
            return 1;
        return -1;
    }

    [[nodiscard]] QAccessibleInterface *focusChild() const override
    {
        return comboBox()->isEditable() ? child(1) : nullptr;
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() + QStringList{showMenuAction(), pressAction()};
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }
};

QAccessibleInterface *choiceListInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("velmora::ChoiceList") && object && object->isWidgetType())
        return new AccessibleComboBox(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

ChoiceList::ChoiceList(QWidget *parent) : QComboBox(parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(choiceListInterface);
        return true;
    }();
}

namespace {

std::function<void(QAccessibleEvent &)> &sink()
{
    static std::function<void(QAccessibleEvent &)> to;
    return to;
}

void send(QAccessibleEvent &event)
{
    if (sink())
        sink()(event);
    else
        QAccessible::updateAccessibility(&event);
}
} // namespace

void announceChange(QWidget *control, const QString &text)
{
    if (!control)
        return;
    // A label is read by its name, every other control by its value.
    if (qobject_cast<QLabel *>(control)) {
        QAccessibleEvent event(control, QAccessible::NameChanged);
        send(event);
        return;
    }
    QAccessibleValueChangeEvent event(control, text);
    send(event);
}

void setAnnouncementSink(std::function<void(QAccessibleEvent &event)> sink_)
{
    sink() = std::move(sink_);
}

// Marked here for the translation tools, which read no constant.
static_assert(std::string_view(kDecorativeDescription) == QT_TRANSLATE_NOOP("Accessibility", "Decoration"));

void markDecorative(QWidget *picture)
{
    picture->setAccessibleName(QString());
    picture->setAccessibleDescription(QCoreApplication::translate("Accessibility", kDecorativeDescription));
}

} // namespace velmora
