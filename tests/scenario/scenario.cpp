// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-scenario FILE...: plays each scenario file in a fresh program on
// scripted services and reports every expectation that failed, as
// "FILE:LINE: expected ..., got ...", then "N passed, M failed". Every line is
// checked when the file is read: a line it does not understand stops the file
// before it runs. The language: tests/scenarios/README.md.
#include "dialogs/form_quorvane.h"
#include "platform/access_keys.h"
#include "platform/application.h"
#include "platform/menu_item.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/draws.h"
#include "support/driver.h"
#include "support/quiet_qt.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace trompalo::scenario {

namespace {

const QStringList kWindows{"Form1", "Form2", "Form3", "FormQuorvane"};

// Why a line cannot be read.
struct Unreadable {
    QString reason;
};

struct Token {
    QString text;
    bool quoted = false;
};
using Tokens = std::vector<Token>;

// Words, and texts in double quotes with \" \\ \r and \n.
Tokens tokenize(const QString& line) {
    static const QRegularExpression word(R"re("((?:[^"\\]|\\["\\rn])*)"|([^\s"]+)|(\S))re");
    Tokens tokens;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(3).isEmpty())
            throw Unreadable{"a text has no closing quote, or an escape other than \\\" \\\\ "
                             "\\r \\n"};
        // (an escaped backslash is cut out first: "\\r" is a backslash and an r)
        QStringList parts = m.captured(1).split(R"(\\)");
        for (QString& part : parts)
            part.replace(R"(\")", "\"").replace(R"(\r)", "\r").replace(R"(\n)", "\n");
        tokens.push_back(m.capturedStart(2) >= 0 ? Token{m.captured(2)}
                                                 : Token{parts.join(u'\\'), true});
    }
    return tokens;
}

double toNumber(const Token& token) {
    bool ok = false;
    const double value = token.text.toDouble(&ok);
    if (!ok || token.quoted)
        throw Unreadable{QString("\"%1\" is not a number").arg(token.text)};
    return value;
}

int whole(const Token& token, int low, int high, const char* what) {
    const double n = toNumber(token);
    if (n < low || n > high || n != std::floor(n))
        throw Unreadable{what};
    return static_cast<int>(n);
}

QString oneOf(const Token& token, const QStringList& words, const QString& what) {
    if (token.quoted || !words.contains(token.text))
        throw Unreadable{
            QString("expected %1 (%2), got \"%3\"").arg(what, words.join(", "), token.text)};
    return token.text;
}

QString text(const Token& token, const QString& command, const char* what = "a text") {
    if (!token.quoted)
        throw Unreadable{QString("\"%1\" needs %2 in quotes").arg(command, what)};
    return token.text;
}

QString quoted(const QString& text) {
    QString out = text;
    out.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\n', "\\n");
    return '"' + out + '"';
}

// What a scenario compares: the value as a scenario writes it; numbers (and
// Booleans, True as -1) compare within 1e-6, pictures by identity.
struct Value {
    QString text;
    std::optional<double> number;
    std::optional<Picture> picture;
};
Value num(double n) {
    return {QString::number(n, 'g', 12), n, {}};
}
Value flag(bool b) {
    return {b ? "True" : "False", b ? -1.0 : 0.0, {}};
}
Value words(const QString& text) {
    return {quoted(text), {}, {}};
}
Value colour(const QColor& c) {
    return {c.name().toUpper(), {}, {}};
}
bool same(const Value& a, const Value& b) {
    if (a.number && b.number)
        return std::fabs(*a.number - *b.number) <= 1e-6;
    if (a.picture || b.picture)
        return a.picture && b.picture && *a.picture == *b.picture;
    return a.text == b.text;
}

// A picture as a scenario writes it: the cast's, the icon, else its file.
Value picture(const Picture& shown, const Form1& form1) {
    QString name = !shown ? "none"
                   : shown == form1.iconPicture()
                       ? "icon"
                       : QString("picture(%1%2)")
                             .arg(shown->resource(), shown->mirrored() ? ", mirrored" : "");
    for (int i = 0; shown && i < form1.Image2.count(); ++i)
        if (form1.Image2[i].picture() == shown)
            name = QString("strip(%1)").arg(i);
    return {name, {}, shown};
}

// The game's variables: the highest value of each of their indexes (the
// lowest is 0), and how each is read, as a number, a flag or a text.
using Indexes = std::vector<int>;
struct Variable {
    Indexes highest;
    std::function<Value(const Module1&, const Form1State&, const Indexes&)> read;
};
const std::map<QString, Variable> kVariables{
    {"GameKind", {{}, [](auto& m, auto&, auto&) { return num(m.GameKind); }}},
    {"NumPlayers", {{}, [](auto& m, auto&, auto&) { return num(m.NumPlayers); }}},
    {"CurrentPlayer", {{}, [](auto& m, auto&, auto&) { return num(m.CurrentPlayer); }}},
    {"RoundNo", {{}, [](auto& m, auto&, auto&) { return num(m.RoundNo); }}},
    {"LimitKind",
     {{}, [](auto& m, auto&, auto&) { return words(QString::fromStdString(m.LimitKind)); }}},
    {"LimitValue", {{}, [](auto& m, auto&, auto&) { return num(m.LimitValue); }}},
    {"WinAtGameEnd", {{}, [](auto& m, auto&, auto&) { return flag(m.WinAtGameEnd); }}},
    {"PopInterval", {{}, [](auto& m, auto&, auto&) { return num(m.PopInterval); }}},
    {"StayTime", {{}, [](auto& m, auto&, auto&) { return num(m.StayTime); }}},
    {"Marks", {{4, 9}, [](auto& m, auto&, auto& i) { return num(m.Marks[i[0]][i[1]]); }}},
    {"CellOwner", {{9}, [](auto&, auto& s, auto& i) { return num(s.CellOwner[i[0]]); }}},
    {"GridHero", {{9}, [](auto&, auto& s, auto& i) { return num(s.GridHero[i[0]]); }}},
    {"BoardOver", {{}, [](auto&, auto& s, auto&) { return flag(s.BoardOver); }}},
    {"EndedByLine", {{}, [](auto&, auto& s, auto&) { return flag(s.EndedByLine); }}},
    {"LastPopTime", {{}, [](auto&, auto& s, auto&) { return num(s.LastPopTime); }}},
    {"TurnStart", {{}, [](auto&, auto& s, auto&) { return num(s.TurnStart); }}},
    {"TurnSeconds", {{}, [](auto&, auto& s, auto&) { return num(s.TurnSeconds); }}},
    {"TimerBusy", {{}, [](auto&, auto& s, auto&) { return flag(s.TimerBusy); }}},
    {"Frozen", {{}, [](auto&, auto& s, auto&) { return flag(s.Frozen); }}},
    {"Slapping", {{}, [](auto&, auto& s, auto&) { return flag(s.Slapping); }}},
    {"Swinging", {{}, [](auto&, auto& s, auto&) { return flag(s.Swinging); }}},
    {"SlapTicks", {{}, [](auto&, auto& s, auto&) { return num(s.SlapTicks); }}},
    {"Misses", {{}, [](auto&, auto& s, auto&) { return num(s.Misses); }}},
    {"HitChar", {{}, [](auto&, auto& s, auto&) { return num(s.HitChar); }}},
    {"HitPoints", {{}, [](auto&, auto& s, auto&) { return num(s.HitPoints); }}},
    {"PopTime", {{11}, [](auto&, auto& s, auto& i) { return num(s.PopTime[i[0]]); }}},
};

// The properties of the controls and windows, each read from the objects that
// have it (nullopt from another). A control array's Count is read from its
// window (Runner::reference).
using Property = std::function<std::optional<Value>(QObject&, const Form1&)>;

template <class T, class Read> Property of(Read read) {
    return [read](QObject& o, const Form1&) -> std::optional<Value> {
        T* t = qobject_cast<T*>(&o);
        return t ? std::optional(read(*t)) : std::nullopt;
    };
}

// Left, Top, Width or Height (k = 0 to 3), in twips.
Property place(std::size_t k) {
    return of<QWidget>([k](QWidget& w) {
        const QRect r = w.geometry();
        auto* c = qobject_cast<Control*>(&w);
        return num(c ? std::array{c->left(), c->top(), c->widthTwips(), c->heightTwips()}[k]
                     : twipsFromPixels(std::array{r.x(), r.y(), r.width(), r.height()}[k]));
    });
}

std::optional<Value> caption(QObject& o, const Form1&) {
    // Buttons, frames and menu items mark their access key with "&": the
    // caption is the text the player reads.
    auto shown = [](const QString& t) { return words(withoutAccessKey(t)); };
    auto* window = qobject_cast<QWidget*>(&o);
    if (auto* label = qobject_cast<Label*>(&o))
        return words(label->caption());
    if (auto* button = qobject_cast<CommandButton*>(&o))
        return shown(button->caption());
    if (auto* button = qobject_cast<QAbstractButton*>(&o))
        return shown(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(&o))
        return shown(frame->title());
    if (auto* item = qobject_cast<MenuItem*>(&o))
        return shown(item->caption());
    if (window && window->isWindow())
        return words(window->windowTitle());
    return std::nullopt;
}

const std::map<QString, Property> kProperties{
    {"Caption", caption},
    {"Visible", of<QWidget>([](QWidget& w) {
         return flag(w.isWindow() ? w.isVisible() : w.isVisibleTo(w.parentWidget()));
     })},
    {"Left", place(0)},
    {"Top", place(1)},
    {"Width", place(2)},
    {"Height", place(3)},
    {"BackColor",
     [](QObject& o, const Form1&) -> std::optional<Value> {
         if (auto* label = qobject_cast<Label*>(&o))
             return colour(label->backColor());
         auto* button = qobject_cast<CommandButton*>(&o);
         return button ? std::optional(colour(button->faceColor())) : std::nullopt;
     }},
    {"ForeColor", of<Label>([](Label& l) { return colour(l.foreColor()); })},
    {"Picture",
     [](QObject& o, const Form1& f) -> std::optional<Value> {
         auto* image = qobject_cast<Image*>(&o);
         return image ? std::optional(picture(image->picture(), f)) : std::nullopt;
     }},
    {"Value", of<QRadioButton>([](QRadioButton& b) { return flag(b.isChecked()); })},
    {"Checked", of<MenuItem>([](MenuItem& item) { return flag(item.checked()); })},
    {"Interval", of<Timer>([](Timer& t) { return num(t.interval()); })},
    {"Underline", of<Label>([](Label& l) { return flag(l.underline()); })},
};

// A control, a window, or a property or variable of the game, as written.
struct Ref {
    QString text;
    QString window;
    QString name; // control or variable; empty for a window itself
    Indexes indexes;
    QString property; // empty for a control or a variable
};

// "[Window.]Name[(i[,j])][.Property]", read as a control (control: true) or
// as a property or a variable of the game; a window's own property is written
// "Window.Property".
Ref parseRef(const Token& token, bool control) {
    static const QRegularExpression form(R"(^(?:(Form1|Form2|Form3|FormQuorvane)\.)?([A-Za-z_]\w*))"
                                         R"((?:\((-?\d+(?:,-?\d+)*)\))?(?:\.(\w+))?$)");
    const auto m = form.match(token.text);
    const bool windowed = !m.captured(1).isEmpty();
    Ref ref{token.text, windowed ? m.captured(1) : "Form1", m.captured(2), {}, m.captured(4)};
    for (const QString& i : m.captured(3).split(u',', Qt::SkipEmptyParts))
        ref.indexes.push_back(i.toInt());
    // (a control has one index at most, a variable up to two)
    if (!m.hasMatch() || token.quoted || (control && !ref.property.isEmpty()) ||
        ((control || !ref.property.isEmpty()) && ref.indexes.size() > 1))
        throw Unreadable{
            QString("\"%1\" is not %2").arg(token.text, control ? "a control" : "a reference")};
    if (!control && ref.property.isEmpty() && windowed && ref.indexes.empty())
        std::swap(ref.name, ref.property); // a window's property: Form2.Caption
    if (!ref.property.isEmpty() && ref.property != "Count" && !kProperties.count(ref.property))
        throw Unreadable{QString("\"%1\" is not a property").arg(ref.property)};
    if (!control && ref.property.isEmpty() && (windowed || !kVariables.count(ref.name)))
        throw Unreadable{QString("\"%1\" is not a variable of the game (a control's property is "
                                 "written Control.Property)")
                             .arg(ref.name)};
    return ref;
}

// Clock values stay on whole nanoseconds, so runs of 0.1-second steps land on
// the times a person would write.
double tidy(double seconds) {
    return std::round(seconds * 1e9) / 1e9;
}

class Runner {
public:
    bool read(const QString& file, QString& error);
    QStringList run();

private:
    using Step = std::function<void()>;
    using Read = std::function<std::optional<Value>(QString& why)>;

    Step parse(const Tokens& t);
    Read reference(const Token& token);
    Read value(const Token& token);
    bool step();
    void untilHidden(QWidget& shown);
    void fail(const QString& expected, const QString& got) {
        failures_ << QString("%1:%2: expected %3, got %4").arg(file_).arg(line_).arg(expected, got);
    }
    void tick() {
        if (Timer* timer = services_.timer())
            timer->fire();
    }
    // The innermost open modal window, as a failure tells it.
    QString modal() const {
        const auto& modals = services_.openModals();
        return modals.empty() ? "no modal window" : "modal " + modals.back().name;
    }
    QMessageBox* openBox(const QString& expected) {
        const auto& modals = services_.openModals();
        auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
        if (!box)
            fail(expected, modal());
        return box;
    }
    // What the program made of one kind ("sound", "shell" or "beep"), in order.
    QStringList made(const QString& kind) const {
        return kind == "sound"   ? services_.sounds
               : kind == "shell" ? services_.shellTargets
                                 : QStringList(services_.beeps, "beep");
    }
    // The oldest one made and not yet checked (then checked when taken), or
    // "no sound" when none is left.
    QString oldest(const QString& kind, bool take) {
        const QStringList all = made(kind);
        qsizetype& checked = checked_[kind];
        if (checked >= all.size())
            return "no " + kind;
        const QString one = all[take ? checked++ : checked];
        return kind == "beep" ? "a beep" : kind + ' ' + quoted(one);
    }
    QWidget* window(const QString& name) const;
    QObject* control(const Ref& ref, QString& why) const;

    QString file_;
    bool splashKeep_ = false;
    std::vector<std::pair<int, Step>> steps_;
    std::size_t next_ = 0;
    int line_ = 0; // of the step that runs
    QStringList failures_;
    bool endedInModal_ = false;
    std::map<QString, qsizetype> checked_; // sounds, shell calls and beeps checked
    Qt::MouseButtons held_;
    testkit::ScriptedServices services_;
    Form1* form1_ = nullptr;
};

bool Runner::read(const QString& file, QString& error) {
    file_ = file;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QString("%1:0: cannot read the file (%2)").arg(file, in.errorString());
        return false;
    }
    QTextStream stream(&in);
    for (int number = 1; !stream.atEnd(); ++number) {
        const QString line = stream.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        try {
            if (Step step = parse(tokenize(line)))
                steps_.emplace_back(number, step);
        } catch (const Unreadable& e) {
            error = QString("%1:%2: %3").arg(file).arg(number).arg(e.reason);
            return false;
        }
    }
    return true;
}

// The step of one line: the command's arguments are read now (Unreadable when
// they cannot be), its work is done when the step runs.
Runner::Step Runner::parse(const Tokens& t) {
    constexpr std::size_t many = 999;
    QString c; // the command, with its second word for "expect msgbox" and the like
    Tokens a;  // its arguments
    auto is = [&](const QString& command, std::size_t least, std::size_t most) {
        const QStringList words = command.split(u' ');
        for (qsizetype i = 0; i < words.size(); ++i)
            if (std::size_t(i) >= t.size() || t[i].quoted || t[i].text != words[i])
                return false;
        c = command;
        a.assign(t.begin() + words.size(), t.end());
        if (a.size() < least || a.size() > most)
            throw Unreadable{QString::asprintf("\"%s\" takes %zu to %zu argument(s), got %zu",
                                               qUtf8Printable(c), least, most, a.size())};
        return true;
    };
    // A mouse button, written after the place (left when not).
    auto button = [&](std::size_t at) {
        return a.size() > at && oneOf(a[at], {"left", "right"}, "a button") == "right"
                   ? Qt::RightButton
                   : Qt::LeftButton;
    };
    if (is("splash", 1, 1)) {
        oneOf(a[0], {"keep"}, "keep");
        if (!steps_.empty() || splashKeep_)
            throw Unreadable{"\"splash keep\" must be the first command, alone"};
        splashKeep_ = true;
        return nullptr;
    }
    if (is("clock", 1, 1) || is("advance", 1, 1))
        return [this, s = toNumber(a[0]), advance = c == "advance"] {
            services_.setClock(tidy(s + (advance ? services_.now() : 0)));
        };
    if (is("run", 1, 1)) {
        const double seconds = toNumber(a[0]);
        if (seconds < 0)
            throw Unreadable{"\"run\" needs a time of 0 or more"};
        return [this, seconds] {
            const double start = services_.now();
            for (long i = 1; i <= std::lround(seconds / 0.1); ++i) {
                services_.setClock(tidy(start + 0.1 * static_cast<double>(i)));
                if (services_.timer() && services_.timer()->interval() != 0)
                    tick();
            }
        };
    }
    if (is("seed", 1, 1))
        return [this, n = toNumber(a[0])] { services_.seed(static_cast<std::uint64_t>(n)); };
    if (is("random", 1, many)) {
        std::vector<double> draws;
        for (const Token& v : a)
            if (draws.push_back(toNumber(v)); draws.back() < 0 || draws.back() >= 1)
                throw Unreadable{QString("random values lie in [0, 1), got %1").arg(v.text)};
        return [this, draws] {
            for (double d : draws)
                services_.queueRandom(d);
        };
    }
    if (is("tick", 0, 0))
        return [this] { tick(); };
    if (is("popup", 2, 2) || is("hit", 2, 3)) {
        // The clock moves on past the least time between two pop-ups, and the
        // next tick's event brings character c up in hole h; "hit C H N" does
        // it and a click on the hole N times.
        const int character = whole(a[0], 0, 13, "a character is 0 to 13");
        const int hole = whole(a[1], 0, 9, "a hole is 0 to 9");
        const int times = a.size() > 2 ? whole(a[2], 1, 100, "a hit is made 1 to 100 times") : 1;
        return [this, character, hole, times, hit = c == "hit"] {
            for (int i = 0; i < times; ++i) {
                services_.popUp(character, hole);
                if (hit)
                    testkit::click(form1_->Image3[hole]);
            }
        };
    }
    if (is("move", 1, 1) || is("press", 1, 2) || is("release", 1, 2) || is("click", 1, 2) ||
        is("moveto", 2, 3) || is("pressat", 2, 3) || is("releaseat", 2, 3)) {
        // At the centre of a control, or at a point of the game window in twips.
        const bool point = c == "moveto" || c.endsWith("at");
        return [this, what = c.chopped(point ? 2 : 0), b = button(point ? 2 : 1),
                ref = point ? std::nullopt : std::optional(parseRef(a[0], true)),
                x = point ? toNumber(a[0]) : 0, y = point ? toNumber(a[1]) : 0] {
            // (the pixel whose area holds the point)
            auto pixel = [](double t) {
                return int(std::floor(t * windowScale() / kTwipsPerPixel));
            };
            QWidget* w = form1_->surface;
            QPoint at(pixel(x), pixel(y));
            if (ref) {
                QString why;
                QObject* object = control(*ref, why);
                if (w = qobject_cast<QWidget*>(object); !w)
                    return fail("a control " + ref->text,
                                object ? ref->text + " is not a control the mouse can reach" : why);
                at = testkit::centreOf(*w);
            }
            held_ = what == "press" ? held_ | b : what == "release" ? held_ & ~b : held_;
            if (what == "move")
                testkit::mouseMove(*w, at);
            if (what == "press" || what == "click")
                testkit::mousePress(*w, at, b);
            if (what == "release" || what == "click")
                testkit::mouseRelease(*w, at, b);
        };
    }
    if (is("key", 1, 1)) {
        const int code = whole(a[0], 1, 0xFFFF, "a key is a character code from 1 to 65535");
        return [this, code] { testkit::typeKey(code, form1_); };
    }
    if (is("menu", 1, many)) {
        // A caption may be written in quotes or plainly, blanks and all.
        QStringList words;
        for (const Token& word : a)
            words << word.text;
        return [this, item = words.join(u' ')] {
            if (!testkit::chooseMenu(*form1_, item))
                fail("a menu item " + quoted(item), "no such item");
        };
    }
    if (is("answer", 1, 1))
        return [this, ok = oneOf(a[0], {"OK", "Cancel"}, "an answer") == "OK"] {
            QMessageBox* box = openBox("a message box to answer");
            if (QAbstractButton* b =
                    box ? box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel) : nullptr)
                testkit::click(*b);
            else if (box)
                fail(QString("a button ") + (ok ? "OK" : "Cancel"), "no such button");
        };
    if (is("close", 1, 1))
        return [this, name = oneOf(a[0], kWindows, "a window")] {
            QWidget* shown = window(name);
            if (!shown || !shown->isVisible())
                return fail("an open window " + name, "none");
            testkit::closeWindow(*shown);
        };
    if (is("clear", 1, 1)) {
        const QString what = oneOf(a[0], {"sounds", "shell", "beeps"}, "what to clear");
        return [this, kind = what.chopped(what.endsWith(u's') ? 1 : 0)] {
            checked_[kind] = made(kind).size();
        };
    }
    if (is("print", 1, 1))
        return [this, ref = a[0].text, read = reference(a[0])] {
            QString why;
            const auto value = read(why);
            std::printf("%s:%d: %s = %s\n", qPrintable(file_), line_, qPrintable(ref),
                        qPrintable(value ? value->text : why));
            std::fflush(stdout);
        };
    if (is("shot", 1, 1))
        return [this, name = text(a[0], c, "a file name")] {
            // What the player sees: the open modal window, else the game window.
            const auto& modals = services_.openModals();
            QWidget* shown =
                !modals.empty() && modals.back().widget ? modals.back().widget : form1_;
            if (!shown->grab().save(name))
                fail("a picture saved as " + quoted(name), "no file written");
        };
    if (is("expect msgbox", 1, 3)) {
        QStringList words;
        for (std::size_t i = 1; i < a.size(); ++i)
            words << oneOf(a[i], {"info", "question", "OK", "OKCancel"}, "an icon or buttons");
        return [this, wanted = "a message box " + quoted(text(a[0], c)), words] {
            QMessageBox* box = openBox(wanted);
            if (!box)
                return;
            if (const QString shown = "a message box " + quoted(box->text()); shown != wanted)
                fail(wanted, shown);
            if (box->windowTitle() != kMessageTitle)
                fail("the title \"Trompalo\"", quoted(box->windowTitle()));
            const QStringList is{box->icon() == QMessageBox::Question ? "question" : "info",
                                 box->standardButtons() == QMessageBox::Ok ? "OK" : "OKCancel"};
            for (const QString& word : words)
                if (!is.contains(word))
                    fail("the icon or buttons " + word, is.join(' '));
        };
    }
    if (is("expect modal", 1, 1) || is("expect nomodal", 0, 0)) {
        const QString wanted =
            a.empty() ? "no modal window"
                      : "modal " + oneOf(a[0], kWindows + QStringList{"msgbox"}, "a window");
        return [this, wanted] {
            if (modal() != wanted)
                fail(wanted, modal());
        };
    }
    if (is("expect sound", 1, 1) || is("expect shell", 1, 1) || is("expect beep", 0, 0) ||
        is("expect nosound", 0, 0) || is("expect nobeep", 0, 0)) {
        const bool none = c.startsWith("expect no");
        const QString kind = c.mid(none ? 9 : 7);
        const QString wanted = none             ? "no " + kind
                               : kind == "beep" ? "a beep"
                                                : kind + ' ' + quoted(text(a[0], c));
        return [this, kind, none, wanted] {
            if (const QString got = oldest(kind, !none); got != wanted)
                fail(wanted, got);
        };
    }
    if (is("expect", 1, many)) {
        if (a.size() != 3 || a[1].quoted || a[1].text != "=")
            throw Unreadable{"expected \"expect REF = VALUE\""};
        const QString written = a[0].text + " = " + (a[2].quoted ? quoted(a[2].text) : a[2].text);
        return [this, written, read = reference(a[0]), wanted = value(a[2])] {
            QString why;
            const auto actual = read(why);
            const auto expected = actual ? wanted(why) : std::nullopt;
            if (!actual || !expected)
                fail(written, why);
            else if (!same(*expected, *actual))
                fail(written, actual->text);
        };
    }
    throw Unreadable{QString("unknown command \"%1\"").arg(t[0].text)};
}

Runner::Read Runner::reference(const Token& token) {
    const Ref ref = parseRef(token, false);
    if (ref.property.isEmpty()) {
        return [this, ref,
                &variable = kVariables.at(ref.name)](QString& why) -> std::optional<Value> {
            const Indexes& i = ref.indexes;
            if (i.size() != variable.highest.size())
                why = QString("%1 takes %2 index(es)").arg(ref.name).arg(variable.highest.size());
            for (std::size_t k = 0; why.isEmpty() && k < i.size(); ++k)
                if (i[k] < 0 || i[k] > variable.highest[k])
                    why = QString("index %1 of %2 is outside its bounds").arg(i[k]).arg(ref.name);
            if (!why.isEmpty())
                return std::nullopt;
            return variable.read(form1_->game().module1(), form1_->game().state(), i);
        };
    }
    if (ref.property == "Count") {
        return [this, ref](QString& why) -> std::optional<Value> {
            QWidget* win = window(ref.window);
            int count = 0;
            for (QObject* object : win ? win->findChildren<QObject*>(ref.name) : QList<QObject*>())
                count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
            why = QString("no window %1").arg(ref.window);
            return win ? std::optional(num(count)) : std::nullopt;
        };
    }
    return [this, ref, &property = kProperties.at(ref.property)](QString& why) {
        QObject* object = control(ref, why);
        const auto value = object ? property(*object, *form1_) : std::nullopt;
        if (object && !value)
            why = QString("%1 has no %2")
                      .arg(ref.text.left(ref.text.size() - ref.property.size() - 1), ref.property);
        return value;
    };
}

Runner::Read Runner::value(const Token& token) {
    const QString t = token.text;
    auto is = [](const Value& v) { return [v](QString&) { return std::optional(v); }; };
    static const QRegularExpression strip(R"(^strip\((\d+)\)$)");
    static const QRegularExpression shownBy(R"(^picture\((.+)\)$)");
    if (token.quoted)
        return is(words(t));
    if (t == "True" || t == "False")
        return is(flag(t == "True"));
    if (QRegularExpression("^#[0-9A-Fa-f]{6}$").match(t).hasMatch())
        return is(colour(QColor(t)));
    if (t == "none")
        return is({"none", {}, Picture()});
    if (t == "icon")
        return [this](QString&) { return std::optional(picture(form1_->iconPicture(), *form1_)); };
    // The other pictures are those of controls: an empty hole's, the cast's.
    if (t == "empty")
        return reference(Token{"Image4.Picture"});
    if (const auto m = strip.match(t); m.hasMatch()) {
        if (m.captured(1).toInt() > 13)
            throw Unreadable{"the strip has pictures 0 to 13"};
        return reference(Token{QString("Image2(%1).Picture").arg(m.captured(1))});
    }
    if (const auto m = shownBy.match(t); m.hasMatch())
        return reference(Token{parseRef(Token{m.captured(1)}, true).text + ".Picture"});
    return is(num(toNumber(token)));
}

QStringList Runner::run() {
    bool starting = true;
    services_.whileModal = [&](QWidget& shown) {
        if (!starting || splashKeep_ || shown.objectName() != "FormQuorvane")
            return untilHidden(shown);
        // The player closes the splash.
        testkit::click(*static_cast<FormQuorvane&>(shown).lblClick);
        if (!shown.isHidden()) {
            fail("a click to close the splash", "it open");
            shown.hide();
        }
    };
    {
        Form1 form1(services_);
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
            if (held_ & b)
                testkit::mouseRelease(*form1.surface, QPoint(0, 0), b);
    }
    form1_ = nullptr;
    QCoreApplication::processEvents();
    return failures_;
}

bool Runner::step() {
    if (next_ >= steps_.size())
        return false;
    const auto& [line, run] = steps_[next_++];
    const int outer = std::exchange(line_, line); // (a step may run others in a modal window)
    run();
    line_ = outer;
    return true;
}

void Runner::untilHidden(QWidget& shown) {
    // The following lines run inside the modal window, as a real event loop
    // would deliver them, until it is closed or answered.
    QPointer<QWidget> guard(&shown);
    while (guard && !guard->isHidden()) {
        if (step())
            continue;
        line_ = steps_.empty() ? 0 : steps_.back().first;
        if (!endedInModal_)
            fail("no modal window at the end", shown.objectName());
        endedInModal_ = true;
        guard->hide(); // the program unwinds as if it were dismissed
    }
}

QWidget* Runner::window(const QString& name) const {
    if (name == "Form1")
        return form1_;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

QObject* Runner::control(const Ref& ref, QString& why) const {
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

} // namespace

} // namespace trompalo::scenario

int main(int argc, char* argv[]) {
    trompalo::testkit::headlessAndQuiet();
    QApplication app(argc, argv);
    trompalo::setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trompalo-scenario FILE...\n");
        return 2;
    }
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        trompalo::scenario::Runner runner;
        QString error;
        const bool readable = runner.read(QString::fromLocal8Bit(argv[i]), error);
        const QStringList failures = readable ? runner.run() : QStringList{error};
        for (const QString& failure : failures)
            std::printf("%s\n", qPrintable(failure));
        std::fflush(stdout);
        unreadable |= !readable;
        failed += !failures.isEmpty();
    }
    std::printf("%d passed, %d failed\n", argc - 1 - failed, failed);
    return unreadable ? 2 : failed > 0 ? 1 : 0;
}
