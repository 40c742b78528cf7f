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
#include <map>
#include <optional>

namespace trompalo::scenario {

namespace {

// The pixel whose area holds a point of the game window given in twips.
int pixelHolding(double twips) {
    return static_cast<int>(std::floor(twips * windowScale() / kTwipsPerPixel));
}

const QStringList kWindows{"Form1", "Form2", "Form3", "FormQuorvane"};
const QStringList kProperties{"Caption", "Visible",   "Left",      "Top",      "Width",
                              "Height",  "BackColor", "ForeColor", "Picture",  "Value",
                              "Checked", "Interval",  "Count",     "Underline"};
const QStringList kVariables{
    "GameKind",     "NumPlayers",  "CurrentPlayer", "RoundNo",   "LimitKind",   "LimitValue",
    "WinAtGameEnd", "PopInterval", "StayTime",      "Marks",     "CellOwner",   "GridHero",
    "BoardOver",    "EndedByLine", "LastPopTime",   "TurnStart", "TurnSeconds", "TimerBusy",
    "Frozen",       "Slapping",    "Swinging",      "SlapTicks", "Misses",      "HitChar",
    "HitPoints",    "PopTime"};

// Why a line cannot be read.
struct Unreadable {
    QString reason;
};

struct Token {
    QString text;
    bool quoted = false;
};

// Words, and texts in double quotes with \" \\ \r and \n.
std::vector<Token> tokenize(const QString& line) {
    static const QRegularExpression word(R"re("((?:[^"\\]|\\["\\rn])*)"|([^\s"]+)|(\S))re");
    std::vector<Token> tokens;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(3).isEmpty())
            throw Unreadable{"a text has no closing quote, or an escape other than \\\" \\\\ "
                             "\\r \\n"};
        if (m.capturedStart(2) >= 0) {
            tokens.push_back({m.captured(2)});
            continue;
        }
        Token text{QString(), true};
        const QString raw = m.captured(1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != u'\\') {
                text.text += raw[i];
                continue;
            }
            const QChar e = raw[++i]; // (the pattern lets \" \\ \r \n only)
            text.text += e == u'r' ? QChar(13) : e == u'n' ? QChar(10) : e;
        }
        tokens.push_back(text);
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

QString quoted(const QString& text) {
    QString out = text;
    out.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\n', "\\n");
    return '"' + out + '"';
}

// A control, a window, or a property or variable of the game, as written.
struct Ref {
    QString window = "Form1";
    QString name; // control or variable; empty for a window itself
    std::vector<int> indexes;
    QString property; // empty for a control or a variable
    QString text;
};

// "[Window.]Name[(i[,j])][.Property]", read as a control (control: true) or
// as a property or a variable of the game; a window's own property is written
// "Window.Property".
Ref parseRef(const Token& token, bool control) {
    static const QRegularExpression form(R"(^(?:(Form1|Form2|Form3|FormQuorvane)\.)?([A-Za-z_]\w*))"
                                         R"((?:\((-?\d+(?:,-?\d+)*)\))?(?:\.(\w+))?$)");
    const auto m = form.match(token.text);
    Ref ref;
    ref.text = token.text;
    ref.name = m.captured(2);
    ref.property = m.captured(4);
    if (!m.captured(1).isEmpty())
        ref.window = m.captured(1);
    for (const QString& i : m.captured(3).split(u',', Qt::SkipEmptyParts))
        ref.indexes.push_back(i.toInt());
    if (!m.hasMatch() || token.quoted || (control && !ref.property.isEmpty()) ||
        (control && ref.indexes.size() > 1))
        throw Unreadable{
            QString("\"%1\" is not %2").arg(token.text, control ? "a control" : "a reference")};
    if (!control && ref.property.isEmpty() && !m.captured(1).isEmpty() && ref.indexes.empty())
        std::swap(ref.name, ref.property); // a window's property: Form2.Caption
    if (control || !ref.property.isEmpty()) {
        if (!ref.property.isEmpty() && !kProperties.contains(ref.property))
            throw Unreadable{QString("\"%1\" is not a property").arg(ref.property)};
    } else if (!kVariables.contains(ref.name) || !m.captured(1).isEmpty()) {
        throw Unreadable{QString("\"%1\" is not a variable of the game (a control's property is "
                                 "written Control.Property)")
                             .arg(ref.name)};
    }
    return ref;
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
    using Step = std::function<void(int line)>;
    using Resolve = std::function<std::optional<Value>(QString& why)>;

    Step parse(const std::vector<Token>& t);
    Step expect(const std::vector<Token>& t);
    Resolve value(const Token& token);
    bool step();
    void untilHidden(QWidget& shown);
    void fail(int line, const QString& expected, const QString& got) {
        failures_ << QString("%1:%2: expected %3, got %4").arg(file_).arg(line).arg(expected, got);
    }
    void tick() {
        if (Timer* timer = services_.timer())
            timer->fire();
    }
    QString openModal() const {
        const auto& modals = services_.openModals();
        return modals.empty() ? QString() : modals.back().name;
    }
    // What the program made of one kind ("sound", "shell" or "beep"), in order.
    QStringList made(const QString& kind) const {
        return kind == "sound"   ? services_.sounds
               : kind == "shell" ? services_.shellTargets
                                 : QStringList(services_.beeps, "beep");
    }
    QMessageBox* openBox(int line, const QString& expected);
    QWidget* window(const QString& name) const;
    QObject* control(const Ref& ref, QString& why) const;
    Value picture(const Picture& shown) const;
    std::optional<Value> variable(const Ref& ref, QString& why) const;
    std::optional<Value> read(const Ref& ref, QString& why) const;

    QString file_;
    bool splashKeep_ = false;
    std::vector<std::pair<int, Step>> steps_;
    std::size_t next_ = 0;
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
            const std::vector<Token> t = tokenize(line);
            if (t[0].quoted || t[0].text != "splash") {
                steps_.emplace_back(number, parse(t));
            } else if (t.size() != 2 || oneOf(t[1], {"keep"}, "keep").isEmpty() ||
                       !steps_.empty() || splashKeep_) {
                throw Unreadable{"\"splash keep\" must be the first command, alone"};
            } else {
                splashKeep_ = true;
            }
        } catch (const Unreadable& e) {
            error = QString("%1:%2: %3").arg(file).arg(number).arg(e.reason);
            return false;
        }
    }
    return true;
}

Runner::Resolve Runner::value(const Token& token) {
    const QString t = token.text;
    auto is = [](const Value& v) { return [v](QString&) { return std::optional(v); }; };
    auto shown = [this](auto get) {
        return [this, get](QString&) { return std::optional(picture(get())); };
    };
    static const QRegularExpression strip(R"(^strip\((\d+)\)$)");
    static const QRegularExpression of(R"(^picture\((.+)\)$)");
    if (token.quoted)
        return is({quoted(t), {}, {}});
    if (t == "True" || t == "False")
        return is(flag(t == "True"));
    if (QRegularExpression("^#[0-9A-Fa-f]{6}$").match(t).hasMatch())
        return is(colour(QColor(t)));
    if (t == "empty")
        return shown([this] { return form1_->Image4->picture(); });
    if (t == "none")
        return shown([] { return Picture(); });
    if (t == "icon")
        return shown([this] { return form1_->iconPicture(); });
    if (const auto m = strip.match(t); m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n > 13)
            throw Unreadable{"the strip has pictures 0 to 13"};
        return shown([this, n] { return form1_->Image2[n].picture(); });
    }
    if (const auto m = of.match(t); m.hasMatch()) {
        return [this,
                ref = parseRef(Token{m.captured(1)}, true)](QString& why) -> std::optional<Value> {
            auto* image = qobject_cast<Image*>(control(ref, why));
            if (!image && why.isEmpty())
                why = ref.text + " is not an image";
            return image ? std::optional(picture(image->picture())) : std::nullopt;
        };
    }
    return is(num(toNumber(token)));
}

Runner::Step Runner::parse(const std::vector<Token>& t) {
    // The arguments each command takes, at least and at most.
    static const std::map<QString, std::pair<std::size_t, std::size_t>> arguments{
        {"clock", {1, 1}},    {"advance", {1, 1}}, {"run", {1, 1}},       {"seed", {1, 1}},
        {"random", {1, 999}}, {"tick", {0, 0}},    {"popup", {2, 2}},     {"hit", {2, 3}},
        {"move", {1, 1}},     {"press", {1, 2}},   {"release", {1, 2}},   {"click", {1, 2}},
        {"moveto", {2, 3}},   {"pressat", {2, 3}}, {"releaseat", {2, 3}}, {"key", {1, 1}},
        {"menu", {1, 999}},   {"answer", {1, 1}},  {"close", {1, 1}},     {"clear", {1, 1}},
        {"print", {1, 1}},    {"shot", {1, 1}},    {"expect", {1, 999}}};
    const QString v = t[0].text;
    const std::size_t given = t.size() - 1;
    if (t[0].quoted || !arguments.count(v))
        throw Unreadable{QString("unknown command \"%1\"").arg(v)};
    if (const auto [least, most] = arguments.at(v); given < least || given > most)
        throw Unreadable{QString::asprintf("\"%s\" takes %zu to %zu argument(s), got %zu",
                                           qUtf8Printable(v), least, most, given)};
    auto button = [&](std::size_t at) {
        return t.size() > at && oneOf(t[at], {"left", "right"}, "a button") == "right"
                   ? Qt::RightButton
                   : Qt::LeftButton;
    };
    if (v == "clock" || v == "advance") {
        return [this, s = toNumber(t[1]), advance = v == "advance"](int) {
            services_.setClock(tidy(s + (advance ? services_.now() : 0)));
        };
    }
    if (v == "run") {
        const double seconds = toNumber(t[1]);
        if (seconds < 0)
            throw Unreadable{"\"run\" needs a time of 0 or more"};
        return [this, seconds](int) {
            const double start = services_.now();
            for (long i = 1; i <= std::lround(seconds / 0.1); ++i) {
                services_.setClock(tidy(start + 0.1 * static_cast<double>(i)));
                if (services_.timer() && services_.timer()->interval() != 0)
                    tick();
            }
        };
    }
    if (v == "seed") {
        return [this, n = toNumber(t[1])](int) { services_.seed(static_cast<std::uint64_t>(n)); };
    }
    if (v == "random") {
        std::vector<double> draws;
        for (std::size_t i = 1; i < t.size(); ++i)
            if (draws.push_back(toNumber(t[i])); draws.back() < 0 || draws.back() >= 1)
                throw Unreadable{QString("random values lie in [0, 1), got %1").arg(t[i].text)};
        return [this, draws](int) {
            for (double d : draws)
                services_.queueRandom(d);
        };
    }
    if (v == "tick") {
        return [this](int) { tick(); };
    }
    if (v == "popup" || v == "hit") {
        // The clock moves on past the least time between two pop-ups, and the
        // next tick's event brings character c up in hole h; "hit C H N" does
        // it and the click N times.
        const int c = whole(t[1], 0, 13, "a character is 0 to 13");
        const int hole = whole(t[2], 0, 9, "a hole is 0 to 9");
        const int times = t.size() > 3 ? whole(t[3], 1, 100, "a hit is made 1 to 100 times") : 1;
        return [this, c, hole, times, hit = v == "hit"](int) {
            for (int i = 0; i < times; ++i) {
                services_.setClock(tidy(services_.now() + 0.3));
                for (double draw : testkit::popUpDraws(c, hole))
                    services_.queueRandom(draw);
                tick();
                if (hit)
                    testkit::click(form1_->Image3[hole]);
            }
        };
    }
    if (v == "move" || v == "press" || v == "release" || v == "click") {
        return [this, v, ref = parseRef(t[1], true), b = button(2)](int line) {
            QString why;
            QObject* object = control(ref, why);
            auto* w = qobject_cast<QWidget*>(object);
            if (!w)
                return fail(line, "a control " + ref.text,
                            object ? ref.text + " is not a control the mouse can reach" : why);
            held_ = v == "press" ? held_ | b : v == "release" ? held_ & ~b : held_;
            v == "move"      ? testkit::moveTo(*w)
            : v == "press"   ? testkit::press(*w, b)
            : v == "release" ? testkit::release(*w, b)
                             : testkit::click(*w, b);
        };
    }
    if (v == "moveto" || v == "pressat" || v == "releaseat") {
        return [this, v, x = toNumber(t[1]), y = toNumber(t[2]), b = button(3)](int) {
            const QPoint at(pixelHolding(x), pixelHolding(y));
            held_ = v == "pressat" ? held_ | b : v == "releaseat" ? held_ & ~b : held_;
            v == "moveto"    ? testkit::mouseMove(*form1_->surface, at)
            : v == "pressat" ? testkit::mousePress(*form1_->surface, at, b)
                             : testkit::mouseRelease(*form1_->surface, at, b);
        };
    }
    if (v == "key") {
        const int code = whole(t[1], 1, 0xFFFF, "a key is a character code from 1 to 65535");
        return [this, code](int) { testkit::typeKey(code, form1_); };
    }
    if (v == "menu") {
        // A caption may be written in quotes or plainly, blanks and all.
        QStringList words;
        for (std::size_t i = 1; i < t.size(); ++i)
            words << t[i].text;
        return [this, item = words.join(u' ')](int line) {
            if (!testkit::chooseMenu(*form1_, item))
                fail(line, "a menu item " + quoted(item), "no such item");
        };
    }
    if (v == "answer") {
        return [this, ok = oneOf(t[1], {"OK", "Cancel"}, "an answer") == "OK"](int line) {
            QMessageBox* box = openBox(line, "a message box to answer");
            if (QAbstractButton* b =
                    box ? box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel) : nullptr)
                testkit::click(*b);
            else if (box)
                fail(line, QString("a button ") + (ok ? "OK" : "Cancel"), "no such button");
        };
    }
    if (v == "close") {
        return [this, name = oneOf(t[1], kWindows, "a window")](int line) {
            QWidget* shown = window(name);
            if (!shown || !shown->isVisible())
                return fail(line, "an open window " + name, "none");
            testkit::closeWindow(*shown);
        };
    }
    if (v == "clear") {
        const QString what = oneOf(t[1], {"sounds", "shell", "beeps"}, "what to clear");
        return [this, kind = what.chopped(what.endsWith(u's') ? 1 : 0)](int) {
            checked_[kind] = made(kind).size();
        };
    }
    if (v == "print") {
        return [this, ref = parseRef(t[1], false)](int line) {
            QString why;
            const auto value = read(ref, why);
            std::printf("%s:%d: %s = %s\n", qPrintable(file_), line, qPrintable(ref.text),
                        qPrintable(value ? value->text : why));
            std::fflush(stdout);
        };
    }
    if (v == "shot") {
        if (!t[1].quoted)
            throw Unreadable{"\"shot\" needs a file name in quotes"};
        return [this, name = t[1].text](int line) {
            // What the player sees: the open modal window, else the game window.
            const auto& modals = services_.openModals();
            QWidget* shown =
                !modals.empty() && modals.back().widget ? modals.back().widget : form1_;
            if (!shown->grab().save(name))
                fail(line, "a picture saved as " + quoted(name), "no file written");
        };
    }
    return expect(t);
}

QMessageBox* Runner::openBox(int line, const QString& expected) {
    const auto& modals = services_.openModals();
    auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
    if (!box)
        fail(line, expected, modals.empty() ? "no modal window" : "modal " + openModal());
    return box;
}

Runner::Step Runner::expect(const std::vector<Token>& t) {
    const std::size_t given = t.size() - 1;
    const QString what = given >= 1 && !t[1].quoted ? t[1].text : QString();
    auto takes = [&](std::size_t least, std::size_t most, bool text) {
        if (given < least || given > most || (text && !t[2].quoted))
            throw Unreadable{QString::asprintf("expected \"expect %s\" with %zu argument(s)%s",
                                               qUtf8Printable(what), least - 1,
                                               text ? ", a text in quotes first" : "")};
    };
    if (what == "msgbox") {
        takes(2, 4, true);
        QStringList words;
        for (std::size_t i = 3; i < t.size(); ++i)
            words << oneOf(t[i], {"info", "question", "OK", "OKCancel"}, "an icon or buttons");
        return [this, wanted = t[2].text, words](int line) {
            QMessageBox* box = openBox(line, "a message box " + quoted(wanted));
            if (!box)
                return;
            if (box->text() != wanted)
                fail(line, "a message box " + quoted(wanted),
                     "a message box " + quoted(box->text()));
            if (box->windowTitle() != kMessageTitle)
                fail(line, "the title \"Trompalo\"", quoted(box->windowTitle()));
            const QStringList is{box->icon() == QMessageBox::Question ? "question" : "info",
                                 box->standardButtons() == QMessageBox::Ok ? "OK" : "OKCancel"};
            for (const QString& word : words)
                if (!is.contains(word))
                    fail(line, "the icon or buttons " + word, is.join(' '));
        };
    }
    if (QStringList{"sound", "shell", "beep", "nosound", "nobeep"}.contains(what)) {
        // The oldest one made and not yet checked, or none left unchecked.
        const bool none = what.startsWith("no");
        const QString kind = none ? what.mid(2) : what;
        const bool text = !none && kind != "beep";
        takes(text ? 2 : 1, text ? 2 : 1, text);
        auto name = [kind](const QString& one) {
            return kind == "beep" ? "a beep" : kind + " " + quoted(one);
        };
        return [this, kind, none, name, wanted = text ? t[2].text : kind](int line) {
            const QStringList all = made(kind);
            qsizetype& checked = checked_[kind];
            if (none && checked < all.size())
                fail(line, "no " + kind, name(all[checked]));
            else if (!none && checked >= all.size())
                fail(line, name(wanted), "no " + kind);
            else if (!none && all[checked++] != wanted)
                fail(line, name(wanted), name(all[checked - 1]));
        };
    }
    if (what == "modal" || what == "nomodal") {
        takes(what == "modal" ? 2 : 1, what == "modal" ? 2 : 1, false);
        const QString wanted =
            what == "modal" ? oneOf(t[2], kWindows + QStringList{"msgbox"}, "a window") : "";
        return [this, wanted](int line) {
            auto name = [](const QString& n) {
                return n.isEmpty() ? "no modal window" : "modal " + n;
            };
            if (openModal() != wanted)
                fail(line, name(wanted), name(openModal()));
        };
    }
    if (given != 3 || t[2].quoted || t[2].text != "=")
        throw Unreadable{"expected \"expect REF = VALUE\""};
    const QString written = t[1].text + " = " + (t[3].quoted ? quoted(t[3].text) : t[3].text);
    return [this, ref = parseRef(t[1], false), written, resolve = value(t[3])](int line) {
        QString why;
        const auto actual = read(ref, why);
        const auto wanted = actual ? resolve(why) : std::nullopt;
        if (!actual || !wanted)
            fail(line, written, why);
        else if (!same(*wanted, *actual))
            fail(line, written, actual->text);
    };
}

QStringList Runner::run() {
    bool starting = true;
    services_.whileModal = [&](QWidget& shown) {
        if (!starting || splashKeep_ || shown.objectName() != "FormQuorvane")
            return untilHidden(shown);
        // The player closes the splash.
        testkit::click(*static_cast<FormQuorvane&>(shown).lblClick);
        if (!shown.isHidden()) {
            fail(0, "a click to close the splash", "it open");
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
    run(line);
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
            fail(steps_.empty() ? 0 : steps_.back().first, "no modal window at the end",
                 shown.objectName());
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

Value Runner::picture(const Picture& shown) const {
    QString name = !shown ? "none"
                   : shown == form1_->iconPicture()
                       ? "icon"
                       : QString("picture(%1%2)")
                             .arg(shown->resource(), shown->mirrored() ? ", mirrored" : "");
    for (int i = 0; shown && i < form1_->Image2.count(); ++i)
        if (form1_->Image2[i].picture() == shown)
            name = QString("strip(%1)").arg(i);
    return {name, {}, shown};
}

std::optional<Value> Runner::variable(const Ref& ref, QString& why) const {
    const Module1& m = form1_->game().module1();
    const Form1State& s = form1_->game().state();
    const QString& n = ref.name;
    const std::size_t indexes =
        n == "Marks" ? 2 : QStringList{"CellOwner", "GridHero", "PopTime"}.contains(n);
    const auto& i = ref.indexes;
    if (i.size() != indexes) {
        why = QString("%1 takes %2 index(es)").arg(n).arg(indexes);
        return std::nullopt;
    }
    for (std::size_t k = 0; k < indexes; ++k)
        if (i[k] < 0 || i[k] > (n == "Marks" && k == 0 ? 4 : n == "PopTime" ? 11 : 9)) {
            why = QString("index %1 of %2 is outside its bounds").arg(i[k]).arg(n);
            return std::nullopt;
        }
    // Every variable in the order of kVariables (LimitKind, a text, aside);
    // the arrays read at the index asked for, or inside their bounds when
    // another variable is asked for.
    const int a = i.empty() ? 0 : i[0];
    const int b = i.size() > 1 ? i[1] : 0;
    auto all = [](auto... v) { return std::array{static_cast<double>(v)...}; };
    const auto values =
        all(m.GameKind, m.NumPlayers, m.CurrentPlayer, m.RoundNo, 0, m.LimitValue, m.WinAtGameEnd,
            m.PopInterval, m.StayTime, m.Marks[std::min(a, 4)][b], s.CellOwner[std::min(a, 9)],
            s.GridHero[std::min(a, 9)], s.BoardOver, s.EndedByLine, s.LastPopTime, s.TurnStart,
            s.TurnSeconds, s.TimerBusy, s.Frozen, s.Slapping, s.Swinging, s.SlapTicks, s.Misses,
            s.HitChar, s.HitPoints, s.PopTime[a]);
    static const QStringList flags{"WinAtGameEnd", "BoardOver", "EndedByLine", "TimerBusy",
                                   "Frozen",       "Slapping",  "Swinging"};
    const double value = values.at(static_cast<std::size_t>(kVariables.indexOf(n)));
    if (n == "LimitKind")
        return Value{quoted(QString::fromStdString(m.LimitKind)), {}, {}};
    return flags.contains(n) ? flag(value != 0) : num(value);
}

std::optional<Value> Runner::read(const Ref& ref, QString& why) const {
    const QString& p = ref.property;
    if (p.isEmpty())
        return variable(ref, why);
    if (p == "Count") {
        QWidget* win = window(ref.window);
        int count = 0;
        for (QObject* object : win ? win->findChildren<QObject*>(ref.name) : QList<QObject*>())
            count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
        why = QString("no window %1").arg(ref.window);
        return win ? std::optional(num(count)) : std::nullopt;
    }
    QObject* o = control(ref, why);
    auto* widget = qobject_cast<QWidget*>(o);
    auto* ctl = qobject_cast<Control*>(o);
    auto* label = qobject_cast<Label*>(o);
    auto* button = qobject_cast<CommandButton*>(o);
    auto text = [](const QString& t) { return std::optional(Value{quoted(t), {}, {}}); };
    if (!o)
        return std::nullopt;
    if (p == "Caption" && label)
        return text(label->caption());
    if (p == "Caption" && button)
        return text(button->caption());
    if (p == "Caption" && qobject_cast<QAbstractButton*>(o))
        return text(withoutAccessKey(static_cast<QAbstractButton*>(o)->text()));
    if (p == "Caption" && qobject_cast<QGroupBox*>(o))
        return text(withoutAccessKey(static_cast<QGroupBox*>(o)->title()));
    if (p == "Caption" && qobject_cast<MenuItem*>(o))
        return text(static_cast<MenuItem*>(o)->caption());
    if (p == "Caption" && widget && widget->isWindow())
        return text(widget->windowTitle());
    if (p == "Visible" && widget)
        return flag(widget->isWindow() ? widget->isVisible()
                                       : widget->isVisibleTo(widget->parentWidget()));
    const QStringList places{"Left", "Top", "Width", "Height"};
    if (places.contains(p) && widget) {
        const auto k = static_cast<std::size_t>(places.indexOf(p));
        const QRect r = widget->geometry();
        return num(
            ctl ? std::array{ctl->left(), ctl->top(), ctl->widthTwips(), ctl->heightTwips()}[k]
                : twipsFromPixels(std::array{r.x(), r.y(), r.width(), r.height()}[k]));
    }
    if (p == "BackColor" && (label || button))
        return colour(label ? label->backColor() : button->faceColor());
    if (p == "ForeColor" && label)
        return colour(label->foreColor());
    if (p == "Picture" && qobject_cast<Image*>(o))
        return picture(static_cast<Image*>(o)->picture());
    if (p == "Value" && qobject_cast<QRadioButton*>(o))
        return flag(static_cast<QRadioButton*>(o)->isChecked());
    if (p == "Checked" && qobject_cast<MenuItem*>(o))
        return flag(static_cast<MenuItem*>(o)->checked());
    if (p == "Interval" && qobject_cast<Timer*>(o))
        return num(static_cast<Timer*>(o)->interval());
    if (p == "Underline" && label)
        return flag(label->underline());
    why = QString("%1 has no %2").arg(ref.text.left(ref.text.size() - p.size() - 1), p);
    return std::nullopt;
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
    int passed = 0;
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        trompalo::scenario::Runner runner;
        QString error;
        QStringList failures;
        if (runner.read(QString::fromLocal8Bit(argv[i]), error)) {
            failures = runner.run();
        } else {
            failures << error;
            unreadable = true;
        }
        for (const QString& failure : failures)
            std::printf("%s\n", qPrintable(failure));
        (failures.isEmpty() ? passed : failed) += 1;
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return unreadable ? 2 : failed > 0 ? 1 : 0;
}
