#include "script.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace trompalo::scenario {

namespace {

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
        if (!kVariables.contains(ref.name))
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

Expected value(const Token& token) {
    using K = Expected::Kind;
    Expected v;
    const QString& t = token.text;
    v.written = token.quoted ? QString("\"%1\"").arg(t) : t;
    v.text = t;
    static const QRegularExpression color("^#[0-9A-Fa-f]{6}$");
    static const QRegularExpression strip(R"(^strip\((\d+)\)$)");
    static const QRegularExpression of(R"(^picture\((.+)\)$)");
    if (token.quoted) {
        v.kind = K::Text;
    } else if (t == "True" || t == "False") {
        v.kind = K::Boolean;
        v.number = t == "True" ? -1 : 0;
    } else if (t == "empty" || t == "none" || t == "icon") {
        v.kind = t == "empty" ? K::Empty : t == "none" ? K::None : K::Icon;
    } else if (color.match(t).hasMatch()) {
        v.kind = K::Color;
    } else if (const auto m = strip.match(t); m.hasMatch()) {
        v.kind = K::Strip;
        v.number = m.captured(1).toInt();
        if (v.number > 13)
            throw Unreadable{"the strip has pictures 0 to 13"};
    } else if (const auto m = of.match(t); m.hasMatch()) {
        v.kind = K::PictureOf;
        v.of = control(Token{m.captured(1)});
    } else {
        v.number = toNumber(token);
    }
    return v;
}

QString oneOf(const Token& token, const QStringList& words, const QString& what) {
    if (token.quoted || !words.contains(token.text))
        throw Unreadable{
            QString("expected %1 (%2), got \"%3\"").arg(what, words.join(", "), token.text)};
    return token.text;
}

// A whole number from low to high.
double whole(const Token& token, double low, double high, const char* what) {
    const double n = toNumber(token);
    if (n < low || n > high || n != static_cast<int>(n))
        throw Unreadable{what};
    return n;
}

Command parse(const std::vector<Token>& t, int line, bool first) {
    Command c;
    c.line = line;
    c.verb = t[0].text;
    const QString& v = c.verb;
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
        c.words << (t.size() > at ? oneOf(t[at], {"left", "right"}, "a button") : "left");
    };
    auto quotedText = [&](const char* what) {
        if (!t[given].quoted)
            throw Unreadable{QString("\"%1\" needs %2 in quotes").arg(v, what)};
        c.text = t[given].text;
    };
    if (t[0].quoted)
        throw Unreadable{"a line starts with a command, not a text"};
    if (v == "splash") {
        takes(1, 1);
        oneOf(t[1], {"keep"}, "keep");
        if (!first)
            throw Unreadable{"\"splash keep\" must be the first command"};
    } else if (v == "clock" || v == "advance" || v == "run" || v == "seed") {
        takes(1, 1);
        c.numbers.push_back(toNumber(t[1]));
        if (v == "run" && c.numbers[0] < 0)
            throw Unreadable{"\"run\" needs a time of 0 or more"};
    } else if (v == "random") {
        takes(1, 1000);
        for (std::size_t i = 1; i < t.size(); ++i) {
            c.numbers.push_back(toNumber(t[i]));
            if (c.numbers.back() < 0 || c.numbers.back() >= 1)
                throw Unreadable{QString("random values lie in [0, 1), got %1").arg(t[i].text)};
        }
    } else if (v == "tick") {
        takes(0, 0);
    } else if (v == "popup" || v == "hit") {
        takes(2, 2);
        c.numbers = {whole(t[1], 0, 13, "a character is 0 to 13"),
                     whole(t[2], 0, 9, "a hole is 0 to 9")};
    } else if (v == "move" || v == "press" || v == "release" || v == "click") {
        takes(1, v == "move" ? 1 : 2);
        c.ref = control(t[1]);
        button(2);
    } else if (v == "moveto" || v == "pressat" || v == "releaseat") {
        takes(2, 3);
        c.numbers = {toNumber(t[1]), toNumber(t[2])};
        button(3);
    } else if (v == "key") {
        takes(1, 1);
        c.numbers.push_back(whole(t[1], 1, 0xFFFF, "a key is a character code from 1 to 65535"));
    } else if (v == "menu") {
        // A caption may be written in quotes or plainly, blanks and all.
        takes(1, 1000);
        for (std::size_t i = 1; i < t.size(); ++i)
            c.words << t[i].text;
        c.text = c.words.join(u' ');
    } else if (v == "answer") {
        takes(1, 1);
        c.words << oneOf(t[1], {"OK", "Cancel"}, "an answer");
    } else if (v == "close") {
        takes(1, 1);
        c.words << oneOf(t[1], kWindows, "a window");
    } else if (v == "clear") {
        takes(1, 1);
        c.words << oneOf(t[1], {"sounds", "shell", "beeps"}, "what to clear");
    } else if (v == "shot") {
        takes(1, 1);
        quotedText("a file name");
    } else if (v == "print") {
        takes(1, 1);
        c.ref = reference(t[1]);
    } else if (v == "expect") {
        const QString what = given >= 1 && !t[1].quoted ? t[1].text : QString();
        c.verb = "expect-" + what;
        if (what == "msgbox") {
            takes(2, 4);
            if (!t[2].quoted)
                throw Unreadable{"\"expect msgbox\" needs the text in quotes"};
            c.text = t[2].text;
            for (std::size_t i = 3; i < t.size(); ++i)
                c.words << oneOf(t[i], {"info", "question", "OK", "OKCancel"},
                                 "an icon or buttons");
        } else if (what == "sound" || what == "shell") {
            takes(2, 2);
            quotedText("a text");
        } else if (what == "nosound" || what == "beep" || what == "nobeep" || what == "nomodal") {
            takes(1, 1);
        } else if (what == "modal") {
            takes(2, 2);
            c.words << oneOf(t[2], kWindows + QStringList{"msgbox"}, "a window");
        } else {
            if (given != 3 || t[2].quoted || t[2].text != "=")
                throw Unreadable{"expected \"expect REF = VALUE\""};
            c.verb = "expect-value";
            c.ref = reference(t[1]);
            c.value = value(t[3]);
        }
    } else {
        throw Unreadable{QString("unknown command \"%1\"").arg(v)};
    }
    return c;
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
            Command command =
                parse(tokenize(line), number, script.commands.empty() && !script.splashKeep);
            if (command.verb == "splash")
                script.splashKeep = true;
            else
                script.commands.push_back(std::move(command));
        } catch (const Unreadable& e) {
            error = QString("%1:%2: %3").arg(file).arg(number).arg(e.reason);
            return false;
        }
    }
    return true;
}

} // namespace trompalo::scenario
