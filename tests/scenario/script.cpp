// Reading a scenario file: each line becomes a step, or the reason it cannot.
#include "scenario.h"

#include "platform/timer.h"
#include "platform/twips.h"
#include "support/draws.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace trompalo::scenario {

namespace {

const QStringList kWindows{"Form1", "Form2", "Form3", "FormQuorvane"};
const QStringList kProperties{"Caption", "Visible",   "Left",      "Top",      "Width",
                              "Height",  "BackColor", "ForeColor", "Picture",  "Value",
                              "Checked", "Interval",  "Count",     "Underline"};

struct Token {
    QString text;
    bool quoted = false;
};

// Why a line cannot be read.
struct Unreadable {
    QString reason;
};

std::vector<Token> tokenize(const QString& line) {
    std::vector<Token> tokens;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] != u'"') {
            while (i < line.size() && !line[i].isSpace())
                token.text += line[i++];
            tokens.push_back(token);
            continue;
        }
        token.quoted = true;
        for (++i;; ++i) {
            if (i >= line.size())
                throw Unreadable{"a text has no closing quote"};
            if (line[i] == u'"')
                break;
            if (line[i] != u'\\') {
                token.text += line[i];
                continue;
            }
            if (++i >= line.size())
                throw Unreadable{"a text ends with a lone backslash"};
            const QChar e = line[i];
            if (e == u'"' || e == u'\\')
                token.text += e;
            else if (e == u'r' || e == u'n')
                token.text += QChar(e == u'r' ? 13 : 10);
            else
                throw Unreadable{QString("unknown escape \\%1 in a text").arg(e)};
        }
        ++i;
        tokens.push_back(token);
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

// A whole number from low to high.
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

// "Name", "Name(1)" or "Name(1,2)".
void nameAndIndexes(const QString& segment, Reference& ref) {
    static const QRegularExpression form(
        R"(^([A-Za-z_]\w*)(?:\(\s*(-?\d+(?:\s*,\s*-?\d+)*)\s*\))?$)");
    const auto match = form.match(segment);
    if (!match.hasMatch())
        throw Unreadable{QString("\"%1\" is not a name").arg(segment)};
    ref.name = match.captured(1);
    if (match.hasCaptured(2))
        for (const QString& part : match.captured(2).split(u','))
            ref.indexes.push_back(part.trimmed().toInt());
}

// Splits "Window.Name(1).Property" at the dots outside brackets.
QStringList segments(const QString& text) {
    QStringList parts{QString()};
    int depth = 0;
    for (QChar c : text) {
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (c == u'.' && depth == 0)
            parts << QString();
        else
            parts.last() += c;
    }
    return parts;
}

// A control, with an optional window prefix.
Reference control(const Token& token) {
    QStringList parts = segments(token.text);
    if (token.quoted || parts.size() > 2)
        throw Unreadable{QString("\"%1\" is not a control").arg(token.text)};
    Reference ref;
    ref.text = token.text;
    if (parts.size() == 2) {
        if (!kWindows.contains(parts[0]))
            throw Unreadable{QString("\"%1\" is not a window").arg(parts[0])};
        ref.window = parts.takeFirst();
    }
    nameAndIndexes(parts[0], ref);
    if (ref.indexes.size() > 1)
        throw Unreadable{QString("a control has one index: \"%1\"").arg(token.text)};
    return ref;
}

// A property of a control or a window, or a variable of the game.
Reference reference(const Token& token) {
    const QStringList parts = segments(token.text);
    if (token.quoted)
        throw Unreadable{"expected a reference, got a text"};
    Reference ref;
    if (parts.size() == 1) {
        nameAndIndexes(parts[0], ref);
        if (!isVariable(ref.name))
            throw Unreadable{QString("\"%1\" is not a variable of the game (a control's property "
                                     "is written Control.Property)")
                                 .arg(ref.name)};
        ref.variable = true;
    } else {
        if (!kProperties.contains(parts.last()))
            throw Unreadable{QString("\"%1\" is not a property").arg(parts.last())};
        const QString owner = token.text.left(token.text.size() - parts.last().size() - 1);
        if (kWindows.contains(owner))
            ref.window = owner;
        else
            ref = control(Token{owner});
        ref.property = parts.last();
    }
    ref.text = token.text;
    return ref;
}

// A value to compare with, found when its line runs (pictures name the
// running program's controls).
using Resolve = std::function<std::optional<Value>(Runner&, QString& why)>;
Resolve value(const Token& token) {
    const QString t = token.text;
    auto is = [](Value v) { return [v](Runner&, QString&) { return std::optional<Value>(v); }; };
    auto shown = [](auto picture) {
        return
            [picture](Runner& r, QString&) { return std::optional<Value>(r.picture(picture(r))); };
    };
    static const QRegularExpression strip(R"(^strip\((\d+)\)$)");
    static const QRegularExpression of(R"(^picture\((.+)\)$)");
    if (token.quoted)
        return is(text(t));
    if (t == "True" || t == "False")
        return is(boolean(t == "True"));
    if (QRegularExpression("^#[0-9A-Fa-f]{6}$").match(t).hasMatch())
        return is(color(QColor(t)));
    if (t == "empty")
        return shown([](Runner& r) { return r.form1().Image4->picture(); });
    if (t == "none")
        return shown([](Runner&) { return Picture(); });
    if (t == "icon")
        return shown([](Runner& r) { return r.form1().iconPicture(); });
    if (const auto m = strip.match(t); m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n > 13)
            throw Unreadable{"the strip has pictures 0 to 13"};
        return shown([n](Runner& r) { return r.form1().Image2[n].picture(); });
    }
    if (const auto m = of.match(t); m.hasMatch()) {
        const Reference ref = control(Token{m.captured(1)});
        return [ref](Runner& r, QString& why) -> std::optional<Value> {
            auto* image = qobject_cast<Image*>(r.control(ref, why));
            if (!image && why.isEmpty())
                why = ref.text + " is not an image";
            return image ? std::optional(r.picture(image->picture())) : std::nullopt;
        };
    }
    return is(number(toNumber(token)));
}

// Clock values stay on whole nanoseconds, so runs of 0.1-second steps land on
// the times a person would write.
double tidy(double seconds) {
    return std::round(seconds * 1e9) / 1e9;
}

void tick(Runner& r) {
    if (Timer* timer = r.services().timer())
        timer->fire();
}

QMessageBox* openBox(Runner& r, int line, const QString& expected) {
    const auto& modals = r.services().openModals();
    auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
    if (!box)
        r.fail(line, expected, modals.empty() ? "no modal window" : "modal " + r.openModal());
    return box;
}

// "expect sound" and "expect shell": the oldest of them not checked yet.
void expectMade(Runner& r, int line, const QStringList& made, int& checked, const QString& what,
                const QString& wanted) {
    if (checked >= made.size())
        r.fail(line, what + " " + quoted(wanted), "no " + what);
    else if (made[checked++] != wanted)
        r.fail(line, what + " " + quoted(wanted), what + " " + quoted(made[checked - 1]));
}

using Run = std::function<void(Runner&, int)>;

Run mouse(const QString& v, const Token& target, Qt::MouseButton button) {
    const Reference ref = control(target);
    return [v, ref, button](Runner& r, int line) {
        QString why;
        QObject* object = r.control(ref, why);
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            return r.fail(line, "a control " + ref.text,
                          object ? ref.text + " is not a control the mouse can reach" : why);
        r.held = v == "press" ? r.held | button : v == "release" ? r.held & ~button : r.held;
        if (v == "move")
            testkit::moveTo(*widget);
        else if (v == "press")
            testkit::press(*widget, button);
        else if (v == "release")
            testkit::release(*widget, button);
        else
            testkit::click(*widget, button);
    };
}

Run mouseAt(const QString& v, double x, double y, Qt::MouseButton button) {
    return [=](Runner& r, int) {
        QWidget& surface = *r.form1().surface;
        const QPoint at(pixelHolding(x), pixelHolding(y));
        if (v == "moveto") {
            testkit::mouseMove(surface, at);
        } else if (v == "pressat") {
            r.held |= button;
            testkit::mousePress(surface, at, button);
        } else {
            r.held &= ~Qt::MouseButtons(button);
            testkit::mouseRelease(surface, at, button);
        }
    };
}

Run expect(const std::vector<Token>& t) {
    const std::size_t given = t.size() - 1;
    const QString what = given >= 1 && !t[1].quoted ? t[1].text : QString();
    auto takes = [&](std::size_t n) {
        if (given != n)
            throw Unreadable{QString("\"expect %1\" takes %2 argument(s)").arg(what).arg(n - 1)};
    };
    if (what == "msgbox") {
        if (given < 2 || given > 4 || !t[2].quoted)
            throw Unreadable{"expected \"expect msgbox \"TEXT\" [info|question] [OK|OKCancel]\""};
        QStringList words;
        for (std::size_t i = 3; i < t.size(); ++i)
            words << oneOf(t[i], {"info", "question", "OK", "OKCancel"}, "an icon or buttons");
        return [wanted = t[2].text, words](Runner& r, int line) {
            QMessageBox* box = openBox(r, line, "a message box " + quoted(wanted));
            if (!box)
                return;
            if (box->text() != wanted)
                r.fail(line, "a message box " + quoted(wanted),
                       "a message box " + quoted(box->text()));
            if (box->windowTitle() != kMessageTitle)
                r.fail(line, "the title \"Trompalo\"", quoted(box->windowTitle()));
            const bool question = box->icon() == QMessageBox::Question;
            const bool okCancel = box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel);
            const QStringList is{question ? "question" : "info", okCancel ? "OKCancel" : "OK"};
            for (const QString& word : words)
                if (!is.contains(word))
                    r.fail(line, "the icon or buttons " + word, is.join(' '));
        };
    }
    if (what == "sound" || what == "shell") {
        takes(2);
        if (!t[2].quoted)
            throw Unreadable{QString("\"expect %1\" needs a text in quotes").arg(what)};
        return [what, wanted = t[2].text](Runner& r, int line) {
            testkit::ScriptedServices& s = r.services();
            if (what == "sound")
                expectMade(r, line, s.sounds, r.soundsChecked, what, wanted);
            else
                expectMade(r, line, s.shellTargets, r.shellChecked, what, wanted);
        };
    }
    if (what == "nosound" || what == "beep" || what == "nobeep") {
        takes(1);
        return [what](Runner& r, int line) {
            testkit::ScriptedServices& s = r.services();
            if (what == "nosound" && r.soundsChecked < s.sounds.size())
                r.fail(line, "no sound", "sound " + quoted(s.sounds[r.soundsChecked]));
            if (what == "beep" && r.beepsChecked++ >= s.beeps)
                r.fail(line, "a beep", "none");
            if (what == "nobeep" && r.beepsChecked < s.beeps)
                r.fail(line, "no beep", QString("%1 beep(s)").arg(s.beeps - r.beepsChecked));
        };
    }
    if (what == "modal" || what == "nomodal") {
        takes(what == "modal" ? 2 : 1);
        const QString wanted =
            what == "modal" ? oneOf(t[2], kWindows + QStringList{"msgbox"}, "a window") : "";
        return [wanted](Runner& r, int line) {
            auto name = [](const QString& n) {
                return n.isEmpty() ? "no modal window" : "modal " + n;
            };
            if (r.openModal() != wanted)
                r.fail(line, name(wanted), name(r.openModal()));
        };
    }
    if (given != 3 || t[2].quoted || t[2].text != "=")
        throw Unreadable{"expected \"expect REF = VALUE\""};
    const Reference ref = reference(t[1]);
    const QString written = t[3].quoted ? quoted(t[3].text) : t[3].text;
    return [ref, written, resolve = value(t[3])](Runner& r, int line) {
        QString why;
        const auto actual = r.read(ref, why);
        const auto wanted = actual ? resolve(r, why) : std::nullopt;
        if (!actual || !wanted)
            r.fail(line, ref.text + " = " + written, why);
        else if (!(*wanted == *actual))
            r.fail(line, ref.text + " = " + written, actual->toString());
    };
}

Run parse(const std::vector<Token>& t) {
    const QString v = t[0].text;
    const std::size_t given = t.size() - 1;
    auto takes = [&](std::size_t least, std::size_t most) {
        if (given < least || given > most)
            throw Unreadable{QString("\"%1\" takes %2 argument(s), got %3")
                                 .arg(v)
                                 .arg(least == most ? QString::number(least)
                                                    : QString("%1 to %2").arg(least).arg(most))
                                 .arg(given)};
    };
    auto button = [&](std::size_t at) {
        return t.size() > at && oneOf(t[at], {"left", "right"}, "a button") == "right"
                   ? Qt::RightButton
                   : Qt::LeftButton;
    };
    if (t[0].quoted)
        throw Unreadable{"a line starts with a command, not a text"};
    if (v == "clock" || v == "advance") {
        takes(1, 1);
        return [s = toNumber(t[1]), advance = v == "advance"](Runner& r, int) {
            r.services().setClock(tidy(s + (advance ? r.services().now() : 0)));
        };
    }
    if (v == "run") {
        takes(1, 1);
        const double seconds = toNumber(t[1]);
        if (seconds < 0)
            throw Unreadable{"\"run\" needs a time of 0 or more"};
        return [seconds](Runner& r, int) {
            const double start = r.services().now();
            for (long i = 1; i <= std::lround(seconds / 0.1); ++i) {
                r.services().setClock(tidy(start + 0.1 * static_cast<double>(i)));
                if (r.services().timer() && r.services().timer()->interval() != 0)
                    tick(r);
            }
        };
    }
    if (v == "seed") {
        takes(1, 1);
        return [n = toNumber(t[1])](Runner& r, int) {
            r.services().seed(static_cast<std::uint64_t>(n));
        };
    }
    if (v == "random") {
        takes(1, 1000);
        std::vector<double> draws;
        for (std::size_t i = 1; i < t.size(); ++i) {
            draws.push_back(toNumber(t[i]));
            if (draws.back() < 0 || draws.back() >= 1)
                throw Unreadable{QString("random values lie in [0, 1), got %1").arg(t[i].text)};
        }
        return [draws](Runner& r, int) {
            for (double d : draws)
                r.services().queueRandom(d);
        };
    }
    if (v == "tick") {
        takes(0, 0);
        return [](Runner& r, int) { tick(r); };
    }
    if (v == "popup" || v == "hit") {
        // The clock moves on past the least time between two pop-ups, and the
        // next tick's event brings character c up in hole h.
        takes(2, 2);
        const int c = whole(t[1], 0, 13, "a character is 0 to 13");
        const int hole = whole(t[2], 0, 9, "a hole is 0 to 9");
        return [c, hole, hit = v == "hit"](Runner& r, int) {
            r.services().setClock(tidy(r.services().now() + 0.3));
            for (double draw : testkit::popUpDraws(c, hole))
                r.services().queueRandom(draw);
            tick(r);
            if (hit)
                testkit::click(r.form1().Image3[hole]);
        };
    }
    if (v == "move" || v == "press" || v == "release" || v == "click") {
        takes(1, v == "move" ? 1 : 2);
        return mouse(v, t[1], button(2));
    }
    if (v == "moveto" || v == "pressat" || v == "releaseat") {
        takes(2, 3);
        return mouseAt(v, toNumber(t[1]), toNumber(t[2]), button(3));
    }
    if (v == "key") {
        takes(1, 1);
        const int code = whole(t[1], 1, 0xFFFF, "a key is a character code from 1 to 65535");
        return [code](Runner& r, int) { testkit::typeKey(code, &r.form1()); };
    }
    if (v == "menu") {
        // A caption may be written in quotes or plainly, blanks and all.
        takes(1, 1000);
        QStringList words;
        for (std::size_t i = 1; i < t.size(); ++i)
            words << t[i].text;
        return [item = words.join(u' ')](Runner& r, int line) {
            if (!testkit::chooseMenu(r.form1(), item))
                r.fail(line, "a menu item " + quoted(item), "no such item");
        };
    }
    if (v == "answer") {
        takes(1, 1);
        const bool ok = oneOf(t[1], {"OK", "Cancel"}, "an answer") == "OK";
        return [ok](Runner& r, int line) {
            QMessageBox* box = openBox(r, line, "a message box to answer");
            QAbstractButton* button =
                box ? box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel) : nullptr;
            if (button)
                testkit::click(*button);
            else if (box)
                r.fail(line, "a button " + QString(ok ? "OK" : "Cancel"), "no such button");
        };
    }
    if (v == "close") {
        takes(1, 1);
        return [name = oneOf(t[1], kWindows, "a window")](Runner& r, int line) {
            QWidget* shown = r.window(name);
            if (!shown || !shown->isVisible())
                return r.fail(line, "an open window " + name, "none");
            testkit::closeWindow(*shown);
        };
    }
    if (v == "clear") {
        takes(1, 1);
        return [what = oneOf(t[1], {"sounds", "shell", "beeps"}, "what to clear")](Runner& r, int) {
            testkit::ScriptedServices& s = r.services();
            if (what == "sounds")
                r.soundsChecked = static_cast<int>(s.sounds.size());
            else if (what == "shell")
                r.shellChecked = static_cast<int>(s.shellTargets.size());
            else
                r.beepsChecked = s.beeps;
        };
    }
    if (v == "shot") {
        takes(1, 1);
        if (!t[1].quoted)
            throw Unreadable{"\"shot\" needs a file name in quotes"};
        return [file = t[1].text](Runner& r, int line) {
            // What the player sees: the open modal window, else the game window.
            const auto& modals = r.services().openModals();
            QWidget* shown =
                !modals.empty() && modals.back().widget ? modals.back().widget : &r.form1();
            if (!shown->grab().save(file))
                r.fail(line, "a picture saved as " + quoted(file), "no file written");
        };
    }
    if (v == "print") {
        takes(1, 1);
        return [ref = reference(t[1])](Runner& r, int line) {
            QString why;
            const auto value = r.read(ref, why);
            std::printf("%s:%d: %s = %s\n", qPrintable(r.file()), line, qPrintable(ref.text),
                        qPrintable(value ? value->toString() : why));
            std::fflush(stdout);
        };
    }
    if (v == "expect")
        return expect(t);
    throw Unreadable{QString("unknown command \"%1\"").arg(v)};
}

} // namespace

bool readScript(const QString& file, Script& script, QString& error) {
    script = Script();
    script.file = file;
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
            const std::vector<Token> tokens = tokenize(line);
            if (tokens[0].text != "splash" || tokens[0].quoted) {
                script.steps.push_back({number, parse(tokens)});
                continue;
            }
            if (tokens.size() != 2)
                throw Unreadable{"\"splash\" takes 1 argument(s)"};
            oneOf(tokens[1], {"keep"}, "keep");
            if (!script.steps.empty() || script.splashKeep)
                throw Unreadable{"\"splash keep\" must be the first command"};
            script.splashKeep = true;
        } catch (const Unreadable& e) {
            error = QString("%1:%2: %3").arg(file).arg(number).arg(e.reason);
            return false;
        }
    }
    return true;
}

} // namespace trompalo::scenario
