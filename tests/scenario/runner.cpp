// Running a scenario: a fresh program on scripted services, its lines run one
// after another (inside the modal windows the program opens), and the
// program's controls and variables read as values.
#include "scenario.h"

#include "dialogs/form_quorvane.h"
#include "platform/menu_item.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

#include <array>
#include <cmath>
#include <map>

namespace trompalo::scenario {

namespace {

Value make(Value::Kind kind, double n = 0, const QString& t = {}) {
    Value v;
    v.kind = kind;
    v.number = n;
    v.text = t;
    return v;
}

// The game's variables, by name: how many indexes each takes, and its value.
using Indexes = const std::vector<int>&;
using Read = std::function<Value(const Module1&, const Form1State&, Indexes)>;
#define SETTING(name, as)                                                                          \
    {                                                                                              \
#name, {                                                                                   \
            0, [](const Module1& m, const Form1State&, Indexes) { return as(m.name); }             \
        }                                                                                          \
    }
#define STATE(name, as)                                                                            \
    {                                                                                              \
#name, {                                                                                   \
            0, [](const Module1&, const Form1State& s, Indexes) { return as(s.name); }             \
        }                                                                                          \
    }
#define STATE1(name)                                                                               \
    {                                                                                              \
#name, {                                                                                   \
            1, [](const Module1&, const Form1State& s, Indexes i) { return number(s.name[i[0]]); } \
        }                                                                                          \
    }
const std::map<QString, std::pair<std::size_t, Read>>& variables() {
    static const std::map<QString, std::pair<std::size_t, Read>> all{
        SETTING(GameKind, number),
        SETTING(NumPlayers, number),
        SETTING(CurrentPlayer, number),
        SETTING(RoundNo, number),
        SETTING(LimitValue, number),
        SETTING(WinAtGameEnd, boolean),
        SETTING(PopInterval, number),
        SETTING(StayTime, number),
        {"LimitKind",
         {0, [](const Module1& m, const Form1State&,
                Indexes) { return text(QString::fromStdString(m.LimitKind)); }}},
        {"Marks",
         {2, [](const Module1& m, const Form1State&,
                Indexes i) { return number(m.Marks[i[0]][i[1]]); }}},
        STATE1(CellOwner),
        STATE1(GridHero),
        STATE1(PopTime),
        STATE(BoardOver, boolean),
        STATE(EndedByLine, boolean),
        STATE(LastPopTime, number),
        STATE(TurnStart, number),
        STATE(TurnSeconds, number),
        STATE(TimerBusy, boolean),
        STATE(Frozen, boolean),
        STATE(Slapping, boolean),
        STATE(Swinging, boolean),
        STATE(SlapTicks, number),
        STATE(Misses, number),
        STATE(HitChar, number),
        STATE(HitPoints, number)};
    return all;
}
#undef SETTING
#undef STATE
#undef STATE1

} // namespace

Value number(double n) {
    return make(Value::Kind::Number, n);
}
Value boolean(bool b) {
    return make(Value::Kind::Boolean, b ? -1.0 : 0.0);
}
Value text(const QString& t) {
    return make(Value::Kind::Text, 0, t);
}
Value color(const QColor& c) {
    Value v = make(Value::Kind::Color);
    v.color = c;
    return v;
}

bool isVariable(const QString& name) {
    return variables().count(name) != 0;
}

QString quoted(const QString& text) {
    QString out = "\"";
    for (QChar c : text)
        out += c == u'"'    ? QString("\\\"")
               : c == u'\\' ? QString("\\\\")
               : c == u'\r' ? QString("\\r")
               : c == u'\n' ? QString("\\n")
                            : QString(c);
    return out + u'"';
}

QString Value::toString() const {
    switch (kind) {
    case Kind::Number:
        return QString::number(number, 'g', 12);
    case Kind::Boolean:
        return number != 0 ? "True" : "False";
    case Kind::Text:
        return quoted(text);
    case Kind::Color:
        return color.name().toUpper();
    case Kind::Picture:
        return text;
    }
    return {};
}

bool Value::operator==(const Value& other) const {
    auto numeric = [](Kind k) { return k == Kind::Number || k == Kind::Boolean; };
    if (numeric(kind) && numeric(other.kind))
        return std::fabs(number - other.number) <= 1e-6;
    return kind == other.kind && (kind == Kind::Text    ? text == other.text
                                  : kind == Kind::Color ? color.rgb() == other.color.rgb()
                                                        : picture == other.picture);
}

QStringList Runner::run(const Script& script) {
    script_ = &script;
    testkit::ScriptedServices services;
    services_ = &services;
    bool starting = true;
    services.whileModal = [&](QWidget& shown) {
        if (!starting || script.splashKeep || shown.objectName() != "FormQuorvane")
            return untilHidden(shown);
        // The player closes the splash.
        testkit::click(*static_cast<FormQuorvane&>(shown).lblClick);
        if (!shown.isHidden()) {
            fail(0, "a click to close the splash", "it open");
            shown.hide();
        }
    };
    {
        Form1 form1(services);
        form1_ = &form1;
        form1.Form_Load();
        starting = false;
        if (!endedInModal_) {
            form1.show();
            QCoreApplication::processEvents();
            while (step()) {
            }
        }
        // A button still held goes up before the program ends.
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
            if (held & b)
                testkit::mouseRelease(*form1.surface, QPoint(0, 0), b);
    }
    form1_ = nullptr;
    QCoreApplication::processEvents();
    return failures_;
}

bool Runner::step() {
    if (next_ >= script_->steps.size())
        return false;
    const Step& s = script_->steps[next_++];
    s.run(*this, s.line);
    return true;
}

void Runner::untilHidden(QWidget& shown) {
    // The following lines run inside the modal window, as a real event loop
    // would deliver them, until it is closed or answered.
    QPointer<QWidget> guard(&shown);
    while (guard && !guard->isHidden()) {
        if (step())
            continue;
        if (!endedInModal_)
            fail(script_->steps.empty() ? 0 : script_->steps.back().line,
                 "no modal window at the end", shown.objectName());
        endedInModal_ = true;
        guard->hide(); // the program unwinds as if it were dismissed
    }
}

void Runner::fail(int line, const QString& expected, const QString& got) {
    failures_
        << QString("%1:%2: expected %3, got %4").arg(script_->file).arg(line).arg(expected, got);
}

QString Runner::openModal() const {
    const auto& modals = services_->openModals();
    return modals.empty() ? QString() : modals.back().name;
}

QWidget* Runner::window(const QString& name) const {
    if (name == "Form1")
        return form1_;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

QObject* Runner::control(const Reference& ref, QString& why) const {
    QWidget* win = window(ref.window);
    if (!win) {
        why = QString("no window %1 (it is not loaded)").arg(ref.window);
        return nullptr;
    }
    if (ref.name.isEmpty())
        return win;
    for (QObject* object : win->findChildren<QObject*>(ref.name)) {
        const QVariant index = object->property("index");
        // (a menu item stands for its action, which shares its name)
        if (!qobject_cast<QAction*>(object) &&
            (ref.indexes.empty() ? !index.isValid()
                                 : index.isValid() && index.toInt() == ref.indexes[0]))
            return object;
    }
    why =
        ref.indexes.empty()
            ? QString("no control %1 on %2 (an array needs an index)").arg(ref.name, ref.window)
            : QString("no control %1(%2) on %3").arg(ref.name).arg(ref.indexes[0]).arg(ref.window);
    return nullptr;
}

Value Runner::picture(const Picture& shown) const {
    Value v = make(Value::Kind::Picture, 0, "none");
    v.picture = shown;
    if (shown)
        v.text = shown == form1_->iconPicture()
                     ? "icon"
                     : QString("picture(%1%2)")
                           .arg(shown->resource(), shown->mirrored() ? ", mirrored" : "");
    for (int i = 0; shown && i < form1_->Image2.count(); ++i)
        if (form1_->Image2[i].picture() == shown)
            v.text = QString("strip(%1)").arg(i);
    return v;
}

std::optional<Value> Runner::variable(const Reference& ref, QString& why) const {
    const auto& [wanted, get] = variables().at(ref.name);
    const int high = ref.name == "PopTime" ? 11 : 9;
    if (ref.indexes.size() != wanted) {
        why = QString("%1 takes %2 index(es)").arg(ref.name).arg(wanted);
        return std::nullopt;
    }
    for (std::size_t k = 0; k < wanted; ++k)
        if (ref.indexes[k] < 0 || ref.indexes[k] > (ref.name == "Marks" && k == 0 ? 4 : high)) {
            why = QString("index %1 of %2 is outside its bounds").arg(ref.indexes[k]).arg(ref.name);
            return std::nullopt;
        }
    return get(form1_->game().module1(), form1_->game().state(), ref.indexes);
}

std::optional<Value> Runner::read(const Reference& ref, QString& why) const {
    if (ref.variable)
        return variable(ref, why);
    const QString& p = ref.property;
    if (p == "Count") {
        QWidget* win = window(ref.window);
        int count = 0;
        for (QObject* object : win ? win->findChildren<QObject*>(ref.name) : QList<QObject*>())
            count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
        why = QString("no window %1").arg(ref.window);
        return win ? std::optional(number(count)) : std::nullopt;
    }
    QObject* o = control(ref, why);
    if (!o)
        return std::nullopt;
    auto* widget = qobject_cast<QWidget*>(o);
    auto* ctl = qobject_cast<Control*>(o);
    auto* label = qobject_cast<Label*>(o);
    auto* button = qobject_cast<CommandButton*>(o);
    if (p == "Caption" && label)
        return text(label->caption());
    if (p == "Caption" && button)
        return text(button->caption());
    if (p == "Caption" && qobject_cast<QAbstractButton*>(o))
        return text(static_cast<QAbstractButton*>(o)->text());
    if (p == "Caption" && qobject_cast<QGroupBox*>(o))
        return text(static_cast<QGroupBox*>(o)->title());
    if (p == "Caption" && qobject_cast<MenuItem*>(o))
        return text(static_cast<MenuItem*>(o)->caption());
    if (p == "Caption" && widget && widget->isWindow())
        return text(widget->windowTitle());
    if (p == "Visible" && widget)
        return boolean(widget->isWindow() ? widget->isVisible()
                                          : widget->isVisibleTo(widget->parentWidget()));
    const QStringList places{"Left", "Top", "Width", "Height"};
    if (places.contains(p) && widget) {
        const auto i = static_cast<std::size_t>(places.indexOf(p));
        const QRect r = widget->geometry();
        return number(
            ctl ? std::array{ctl->left(), ctl->top(), ctl->widthTwips(), ctl->heightTwips()}[i]
                : twipsFromPixels(std::array{r.x(), r.y(), r.width(), r.height()}[i]));
    }
    if (p == "BackColor" && (label || button))
        return color(label ? label->backColor() : button->faceColor());
    if (p == "ForeColor" && label)
        return color(label->foreColor());
    if (p == "Picture" && qobject_cast<Image*>(o))
        return picture(static_cast<Image*>(o)->picture());
    if (p == "Value" && qobject_cast<QRadioButton*>(o))
        return boolean(static_cast<QRadioButton*>(o)->isChecked());
    if (p == "Checked" && qobject_cast<MenuItem*>(o))
        return boolean(static_cast<MenuItem*>(o)->checked());
    if (p == "Interval" && qobject_cast<Timer*>(o))
        return number(static_cast<Timer*>(o)->interval());
    if (p == "Underline" && label)
        return boolean(label->underline());
    why = QString("%1 has no %2").arg(ref.text.left(ref.text.size() - p.size() - 1), p);
    return std::nullopt;
}

} // namespace trompalo::scenario
