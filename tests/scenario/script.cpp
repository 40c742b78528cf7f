#include "script.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <stdexcept>

namespace trompalo::scenario {

const QStringList& variableNames() {
    static const QStringList names{
        "GameKind",     "NumPlayers",  "CurrentPlayer", "RoundNo",   "LimitKind",   "LimitValue",
        "WinAtGameEnd", "PopInterval", "StayTime",      "Marks",     "CellOwner",   "GridHero",
        "BoardOver",    "EndedByLine", "LastPopTime",   "TurnStart", "TurnSeconds", "TimerBusy",
        "Frozen",       "Slapping",    "Swinging",      "SlapTicks", "Misses",      "HitChar",
        "HitPoints",    "PopTime"};
    return names;
}

const QStringList& propertyNames() {
    static const QStringList names{"Caption", "Visible",   "Left",      "Top",      "Width",
                                   "Height",  "BackColor", "ForeColor", "Picture",  "Value",
                                   "Checked", "Interval",  "Count",     "Underline"};
    return names;
}

const QStringList& windowNames() {
    static const QStringList names{"Form1", "Form2", "Form3", "FormQuorvane"};
    return names;
}

namespace {

struct Token {
    QString text;
    bool quoted = false;
};

struct ParseError : std::runtime_error {
    explicit ParseError(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

std::vector<Token> tokenize(const QString& line) {
    std::vector<Token> tokens;
    int i = 0;
    const int n = static_cast<int>(line.size());
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == u'"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c != u'\\') {
                    token.text += c;
                    continue;
                }
                if (i >= n)
                    throw ParseError(QStringLiteral("a text ends with a lone backslash"));
                const QChar e = line[i++];
                if (e == u'"' || e == u'\\')
                    token.text += e;
                else if (e == u'r')
                    token.text += QChar(13);
                else if (e == u'n')
                    token.text += QChar(10);
                else
                    throw ParseError(QStringLiteral("unknown escape \\%1 in a text").arg(e));
            }
            if (!closed)
                throw ParseError(QStringLiteral("a text has no closing quote"));
        } else {
            while (i < n && !line[i].isSpace())
                token.text += line[i++];
        }
        tokens.push_back(token);
    }
    return tokens;
}

double toNumber(const Token& token) {
    bool ok = false;
    const double value = token.text.toDouble(&ok);
    if (!ok || token.quoted)
        throw ParseError(QStringLiteral("\"%1\" is not a number").arg(token.text));
    return value;
}

// "Name" or "Name(1)" or "Name(1,2)".
void splitSegment(const QString& segment, QString& name, std::vector<int>& indexes) {
    static const QRegularExpression form(QStringLiteral(
        "^([A-Za-z_][A-Za-z0-9_]*)(?:\\(\\s*(-?\\d+(?:\\s*,\\s*-?\\d+)*)\\s*\\))?$"));
    const auto match = form.match(segment);
    if (!match.hasMatch())
        throw ParseError(QStringLiteral("\"%1\" is not a name").arg(segment));
    name = match.captured(1);
    indexes.clear();
    if (match.hasCaptured(2))
        for (const QString& part : match.captured(2).split(u','))
            indexes.push_back(part.trimmed().toInt());
}

QStringList segments(const QString& text) {
    QStringList parts;
    QString current;
    int depth = 0;
    for (QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (c == u'.' && depth == 0) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

// A control (with an optional window prefix), without a property.
Reference parseControl(const Token& token) {
    if (token.quoted)
        throw ParseError(QStringLiteral("expected a control, got a text"));
    Reference ref;
    ref.text = token.text;
    ref.window = QStringLiteral("Form1");
    QStringList parts = segments(token.text);
    if (parts.size() > 2)
        throw ParseError(QStringLiteral("\"%1\" is not a control").arg(token.text));
    if (parts.size() == 2) {
        if (!windowNames().contains(parts[0]))
            throw ParseError(QStringLiteral("\"%1\" is not a window").arg(parts[0]));
        ref.window = parts[0];
        parts.removeFirst();
    }
    splitSegment(parts[0], ref.name, ref.indexes);
    if (ref.indexes.size() > 1)
        throw ParseError(QStringLiteral("a control has one index: \"%1\"").arg(token.text));
    return ref;
}

// A property of a control or window, or a variable of the game.
Reference parseReference(const Token& token) {
    if (token.quoted)
        throw ParseError(QStringLiteral("expected a reference, got a text"));
    const QStringList parts = segments(token.text);
    if (parts.size() == 1) {
        Reference ref;
        ref.text = token.text;
        splitSegment(parts[0], ref.name, ref.indexes);
        if (!variableNames().contains(ref.name))
            throw ParseError(QStringLiteral("\"%1\" is not a variable of the game (a control's "
                                            "property is written Control.Property)")
                                 .arg(ref.name));
        ref.variable = true;
        return ref;
    }
    const QString property = parts.last();
    if (!propertyNames().contains(property))
        throw ParseError(QStringLiteral("\"%1\" is not a property").arg(property));
    Reference ref;
    const QString control = token.text.left(token.text.size() - property.size() - 1);
    if (windowNames().contains(control)) {
        ref.window = control;
    } else {
        Token inner{control, false};
        ref = parseControl(inner);
    }
    ref.property = property;
    ref.text = token.text;
    return ref;
}

Expected parseValue(const Token& token) {
    Expected v;
    v.written = token.quoted ? QStringLiteral("\"%1\"").arg(token.text) : token.text;
    if (token.quoted) {
        v.kind = Expected::Kind::Text;
        v.text = token.text;
        return v;
    }
    const QString& t = token.text;
    if (t == QLatin1String("True") || t == QLatin1String("False")) {
        v.kind = Expected::Kind::Boolean;
        v.boolean = t == QLatin1String("True");
        return v;
    }
    if (t == QLatin1String("empty")) {
        v.kind = Expected::Kind::Empty;
        return v;
    }
    if (t == QLatin1String("none")) {
        v.kind = Expected::Kind::None;
        return v;
    }
    static const QRegularExpression color(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (color.match(t).hasMatch()) {
        v.kind = Expected::Kind::Color;
        v.text = t;
        return v;
    }
    static const QRegularExpression strip(QStringLiteral("^strip\\((\\d+)\\)$"));
    if (const auto m = strip.match(t); m.hasMatch()) {
        v.kind = Expected::Kind::Strip;
        v.strip = m.captured(1).toInt();
        if (v.strip > 13)
            throw ParseError(QStringLiteral("the strip has pictures 0 to 13"));
        return v;
    }
    static const QRegularExpression of(QStringLiteral("^picture\\((.+)\\)$"));
    if (const auto m = of.match(t); m.hasMatch()) {
        v.kind = Expected::Kind::PictureOf;
        v.of = parseControl(Token{m.captured(1), false});
        return v;
    }
    v.kind = Expected::Kind::Number;
    v.number = toNumber(token);
    return v;
}

void expectCount(const std::vector<Token>& tokens, std::size_t least, std::size_t most) {
    const std::size_t args = tokens.size() - 1;
    if (args < least || args > most)
        throw ParseError(QStringLiteral("\"%1\" takes %2 argument(s), got %3")
                             .arg(tokens[0].text)
                             .arg(least == most ? QString::number(least)
                                                : QStringLiteral("%1 to %2").arg(least).arg(most))
                             .arg(args));
}

QString oneOf(const Token& token, const QStringList& words, const QString& what) {
    if (token.quoted || !words.contains(token.text))
        throw ParseError(QStringLiteral("expected %1 (%2), got \"%3\"")
                             .arg(what, words.join(QStringLiteral(", ")), token.text));
    return token.text;
}

Command parseLine(const std::vector<Token>& t, int lineNumber, bool first) {
    Command c;
    c.line = lineNumber;
    c.verb = t[0].text;
    const QString& v = c.verb;
    if (t[0].quoted)
        throw ParseError(QStringLiteral("a line starts with a command, not a text"));
    if (v == QLatin1String("splash")) {
        expectCount(t, 1, 1);
        oneOf(t[1], {QStringLiteral("keep")}, QStringLiteral("keep"));
        if (!first)
            throw ParseError(QStringLiteral("\"splash keep\" must be the first command"));
    } else if (v == QLatin1String("clock") || v == QLatin1String("advance") ||
               v == QLatin1String("run") || v == QLatin1String("seed")) {
        expectCount(t, 1, 1);
        c.numbers.push_back(toNumber(t[1]));
        if (v == QLatin1String("run") && c.numbers[0] < 0)
            throw ParseError(QStringLiteral("\"run\" needs a time of 0 or more"));
    } else if (v == QLatin1String("random")) {
        expectCount(t, 1, 1000);
        for (std::size_t i = 1; i < t.size(); ++i) {
            const double r = toNumber(t[i]);
            if (r < 0 || r >= 1)
                throw ParseError(QStringLiteral("random values lie in [0, 1), got %1").arg(r));
            c.numbers.push_back(r);
        }
    } else if (v == QLatin1String("tick")) {
        expectCount(t, 0, 0);
    } else if (v == QLatin1String("popup")) {
        expectCount(t, 2, 2);
        const double character = toNumber(t[1]);
        const double hole = toNumber(t[2]);
        if (character < 0 || character > 13 || character != static_cast<int>(character))
            throw ParseError(QStringLiteral("a character is 0 to 13"));
        if (hole < 0 || hole > 9 || hole != static_cast<int>(hole))
            throw ParseError(QStringLiteral("a hole is 0 to 9"));
        c.numbers = {character, hole};
    } else if (v == QLatin1String("move")) {
        expectCount(t, 1, 1);
        c.ref = parseControl(t[1]);
    } else if (v == QLatin1String("press") || v == QLatin1String("release") ||
               v == QLatin1String("click")) {
        expectCount(t, 1, 2);
        c.ref = parseControl(t[1]);
        c.word = t.size() > 2 ? oneOf(t[2], {QStringLiteral("left"), QStringLiteral("right")},
                                      QStringLiteral("a button"))
                              : QStringLiteral("left");
    } else if (v == QLatin1String("moveto") || v == QLatin1String("pressat") ||
               v == QLatin1String("releaseat")) {
        expectCount(t, 2, 3);
        c.numbers = {toNumber(t[1]), toNumber(t[2])};
        c.word = t.size() > 3 ? oneOf(t[3], {QStringLiteral("left"), QStringLiteral("right")},
                                      QStringLiteral("a button"))
                              : QStringLiteral("left");
    } else if (v == QLatin1String("key")) {
        expectCount(t, 1, 1);
        const double code = toNumber(t[1]);
        if (code < 1 || code > 0xFFFF || code != static_cast<int>(code))
            throw ParseError(QStringLiteral("a key is a character code from 1 to 65535"));
        c.numbers.push_back(code);
    } else if (v == QLatin1String("menu")) {
        // A caption may be written in quotes or plainly, blanks and all.
        expectCount(t, 1, 1000);
        QStringList words;
        for (std::size_t i = 1; i < t.size(); ++i)
            words << t[i].text;
        c.text = words.join(u' ');
    } else if (v == QLatin1String("answer")) {
        expectCount(t, 1, 1);
        c.word = oneOf(t[1], {QStringLiteral("OK"), QStringLiteral("Cancel")},
                       QStringLiteral("an answer"));
    } else if (v == QLatin1String("close")) {
        expectCount(t, 1, 1);
        c.word = oneOf(t[1], windowNames(), QStringLiteral("a window"));
    } else if (v == QLatin1String("clear")) {
        expectCount(t, 1, 1);
        c.word = oneOf(t[1],
                       {QStringLiteral("sounds"), QStringLiteral("shell"), QStringLiteral("beeps")},
                       QStringLiteral("what to clear"));
    } else if (v == QLatin1String("shot")) {
        expectCount(t, 1, 1);
        if (!t[1].quoted)
            throw ParseError(QStringLiteral("\"shot\" needs a file name in quotes"));
        c.text = t[1].text;
    } else if (v == QLatin1String("print")) {
        expectCount(t, 1, 1);
        c.ref = parseReference(t[1]);
    } else if (v == QLatin1String("expect")) {
        if (t.size() < 2)
            throw ParseError(QStringLiteral("\"expect\" needs what to expect"));
        const QString what = t[1].quoted ? QString() : t[1].text;
        if (what == QLatin1String("msgbox")) {
            expectCount(t, 2, 4);
            if (!t[2].quoted)
                throw ParseError(QStringLiteral("\"expect msgbox\" needs the text in quotes"));
            c.verb = QStringLiteral("expect-msgbox");
            c.text = t[2].text;
            for (std::size_t i = 3; i < t.size(); ++i) {
                const QString w = oneOf(t[i],
                                        {QStringLiteral("info"), QStringLiteral("question"),
                                         QStringLiteral("OK"), QStringLiteral("OKCancel")},
                                        QStringLiteral("an icon or buttons"));
                if (w == QLatin1String("info") || w == QLatin1String("question"))
                    c.word = w;
                else
                    c.word2 = w;
            }
        } else if (what == QLatin1String("sound") || what == QLatin1String("shell")) {
            expectCount(t, 2, 2);
            if (!t[2].quoted)
                throw ParseError(QStringLiteral("\"expect %1\" needs a text in quotes").arg(what));
            c.verb = QStringLiteral("expect-") + what;
            c.text = t[2].text;
        } else if (what == QLatin1String("nosound") || what == QLatin1String("beep") ||
                   what == QLatin1String("nobeep") || what == QLatin1String("nomodal")) {
            expectCount(t, 1, 1);
            c.verb = QStringLiteral("expect-") + what;
        } else if (what == QLatin1String("modal")) {
            expectCount(t, 2, 2);
            QStringList windows = windowNames();
            windows << QStringLiteral("msgbox");
            c.verb = QStringLiteral("expect-modal");
            c.word = oneOf(t[2], windows, QStringLiteral("a window"));
        } else {
            expectCount(t, 3, 3);
            if (t[2].quoted || t[2].text != QLatin1String("="))
                throw ParseError(QStringLiteral("expected \"expect REF = VALUE\""));
            c.verb = QStringLiteral("expect-value");
            c.ref = parseReference(t[1]);
            c.value = parseValue(t[3]);
        }
    } else {
        throw ParseError(QStringLiteral("unknown command \"%1\"").arg(v));
    }
    return c;
}

} // namespace

bool readScript(const QString& file, Script& script, QString& error) {
    script = Script{};
    script.file = file;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("%1:0: cannot read the file (%2)").arg(file, in.errorString());
        return false;
    }
    QTextStream stream(&in);
    int number = 0;
    bool first = true;
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        ++number;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        try {
            const std::vector<Token> tokens = tokenize(trimmed);
            Command command = parseLine(tokens, number, first);
            if (command.verb == QLatin1String("splash"))
                script.splashKeep = true;
            else
                script.commands.push_back(std::move(command));
        } catch (const ParseError& e) {
            error = QStringLiteral("%1:%2: %3")
                        .arg(file)
                        .arg(number)
                        .arg(QString::fromStdString(e.what()));
            return false;
        }
        first = false;
    }
    return true;
}

} // namespace trompalo::scenario
