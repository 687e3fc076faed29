#include "catalogue/itemquery.h"

#include <QStringList>

namespace msweight {

namespace {

struct Token
{
    bool number = false;
    QString text; // a word lowered, or a number as typed
    double value = 0;
};

// Characters that only part words and numbers.
bool IsBreak(QChar c)
{
    return c.isSpace() || QStringView(u",;()[]-:_+\u00b7/").contains(c);
}

bool IsNumberStart(QStringView text, qsizetype i)
{
    return text[i].isDigit() || (text[i] == u'.' && i + 1 < text.size() && text[i + 1].isDigit());
}

std::string_view Utf8(const QString &word, QByteArray &buffer)
{
    buffer = word.toUtf8();
    return {buffer.constData(), std::size_t(buffer.size())};
}

bool IsRule(const QString &word)
{
    QByteArray buffer;
    bool found = false;
    ForEachRule(Utf8(word, buffer), false, [&](const Rule &) { found = true; });
    return found;
}

// Takes the standards the text names out of it: the text is compared
// without its blanks, so "IS808:1964" names "IS 808:1964".
QString TakeEditions(QString &lower, const QStringList &standards, QString &error)
{
    QString squeezed;
    std::vector<qsizetype> origin;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        if (!lower[i].isSpace()) {
            squeezed += lower[i];
            origin.push_back(i);
        }
    }
    QString found;
    for (const QString &standard : standards) {
        const QString key = standard.toLower().remove(u' ');
        const qsizetype at = squeezed.indexOf(key);
        if (at < 0)
            continue;
        if (!found.isEmpty() && found != standard) {
            error = QStringLiteral("it names two editions, %1 and %2").arg(found, standard);
            return {};
        }
        found = standard;
        for (qsizetype i = origin[at]; i <= origin[at + key.size() - 1]; ++i)
            lower[i] = u' ';
    }
    return found;
}

std::vector<Token> Tokenize(QStringView text, QString &error)
{
    std::vector<Token> tokens;
    bool spaceBefore = true;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (IsBreak(c)) {
            spaceBefore = true;
            ++i;
            continue;
        }
        if (c == u'*' || c == u'\u00d7') {
            tokens.push_back({false, QStringLiteral("x"), 0});
        } else if (c == u'"' || c == u'\u2033') {
            tokens.push_back({false, QStringLiteral("\""), 0});
        } else if (IsNumberStart(text, i)) {
            qsizetype end = i;
            while (end < text.size() && text[end].isDigit())
                ++end;
            if (end < text.size() && text[end] == u'.') {
                ++end;
                while (end < text.size() && text[end].isDigit())
                    ++end;
            }
            Token number{true, text.sliced(i, end - i).toString(), 0};
            number.value = number.text.toDouble();
            // A fraction of an inch, "1/2", and a whole number before it, "1 1/2".
            if (end + 1 < text.size() && text[end] == u'/' && text[end + 1].isDigit()) {
                qsizetype below = end + 1;
                while (below < text.size() && text[below].isDigit())
                    ++below;
                const double denominator = text.sliced(end + 1, below - end - 1).toDouble();
                if (denominator == 0) {
                    error = QStringLiteral("\"%1\" divides by zero").arg(text.sliced(i, below - i));
                    return {};
                }
                number.value /= denominator;
                number.text = text.sliced(i, below - i).toString();
                end = below;
                if (!tokens.empty() && tokens.back().number && spaceBefore && !tokens.back().text.contains(u'/')
                    && !tokens.back().text.contains(u'.')) {
                    number.value += tokens.back().value;
                    number.text = tokens.back().text + u' ' + number.text;
                    tokens.pop_back();
                }
            }
            tokens.push_back(number);
            i = end;
            spaceBefore = false;
            continue;
        } else if (c.isLetter()) {
            qsizetype end = i;
            while (end < text.size() && text[end].isLetter())
                ++end;
            QString word = text.sliced(i, end - i).toString();
            if (word == u"kg" && text.sliced(end).startsWith(u"/m")) {
                end += 2;
                word = QStringLiteral("kg/m");
                if (end < text.size() && (text[end] == u'3' || text[end] == u'\u00b3')) {
                    ++end;
                    word += u'3';
                }
            } else {
                // A grade joined to its word, with or without a blank or hyphen: "ss304", "ss 304".
                qsizetype digits = end;
                if (digits < text.size() && (text[digits] == u' ' || text[digits] == u'-'))
                    ++digits;
                qsizetype last = digits;
                while (last < text.size() && text[last].isDigit())
                    ++last;
                const QString joined = word + text.sliced(digits, last - digits).toString();
                if (last > digits && IsRule(joined)) {
                    word = joined;
                    end = last;
                }
            }
            tokens.push_back({false, word, 0});
            i = end;
            spaceBefore = false;
            continue;
        } else {
            error = QStringLiteral("\"%1\" is not understood").arg(c);
            return {};
        }
        ++i;
        spaceBefore = false;
    }
    return tokens;
}

} // namespace

ItemQuery ReadItemQuery(QStringView text, const QStringList &standards, bool typing)
{
    ItemQuery q;
    QString lower = text.toString().toLower();
    q.edition = TakeEditions(lower, standards, q.error);
    if (!q.error.isEmpty())
        return q;
    const std::vector<Token> tokens = Tokenize(lower, q.error);
    if (!q.error.isEmpty())
        return q;
    if (tokens.empty() && q.edition.isEmpty()) {
        q.error = QStringLiteral("it is empty");
        return q;
    }
    // A text still being typed ends in the middle of its last word or number.
    const bool cutShort = typing && !lower.isEmpty() && !IsBreak(lower.back());

    // One-letter classes ("L", "M", "H") are classes only where a pipe is named.
    bool pipe = false;
    QByteArray buffer;
    for (const Token &token : tokens) {
        if (token.number)
            continue;
        ForEachRule(Utf8(token.text, buffer), false, [&](const Rule &rule) {
            pipe = pipe || (rule.role == Role::Family && Family(rule.value) == Family::Pipe)
                || (rule.role == Role::Unit
                    && (Unit(rule.value) == Unit::NominalBore || Unit(rule.value) == Unit::Inch));
        });
    }

    for (std::size_t n = 0; n < tokens.size(); ++n) {
        const Token &token = tokens[n];
        const bool last = n + 1 == tokens.size();
        if (token.number) {
            q.dimensions.push_back({token.value, token.text, false});
            q.lastIsPrefix = last && cutShort;
            continue;
        }
        const std::string_view word = Utf8(token.text, buffer);
        const Rule *chosen = nullptr;
        ForEachRule(word, false, [&](const Rule &rule) {
            if (!chosen || (pipe && rule.role == Role::Class))
                chosen = &rule;
        });
        if (!chosen && last && cutShort) {
            // A word being typed: it may be any family it begins.
            FamilySet begun = 0;
            bool known = false;
            ForEachRule(word, true, [&](const Rule &rule) {
                known = true;
                if (rule.role == Role::Family)
                    begun |= FamilyBit(Family(rule.value));
            });
            if (!known) {
                q.error = QStringLiteral("\"%1\" is not a series, shape, material or class").arg(token.text);
                return q;
            }
            if (begun) {
                q.families &= begun;
                q.familyNamed = true;
            }
            continue;
        }
        if (!chosen) {
            q.error = QStringLiteral("\"%1\" is not a series, shape, material or class").arg(token.text);
            return q;
        }
        switch (chosen->role) {
        case Role::Family:
            q.families &= FamilyBit(Family(chosen->value));
            q.familyNamed = true;
            break;
        case Role::Material:
            if (q.material && *q.material != chosen->value) {
                q.error = QStringLiteral("it names two materials");
                return q;
            }
            q.material = chosen->value;
            break;
        case Role::Class:
            if (!pipe) {
                q.error = QStringLiteral("\"%1\" is a pipe class, but no pipe is named (\"40 NB %2\")")
                              .arg(token.text, PipeClassName(PipeClass(chosen->value)));
                return q;
            }
            if (q.pipeClass && *q.pipeClass != PipeClass(chosen->value)) {
                q.error = QStringLiteral("it names two pipe classes");
                return q;
            }
            q.pipeClass = PipeClass(chosen->value);
            break;
        case Role::Unit: {
            if (n == 0 || !tokens[n - 1].number) {
                q.error = QStringLiteral("\"%1\" follows no number").arg(token.text);
                return q;
            }
            Dimension &before = q.dimensions.back();
            switch (Unit(chosen->value)) {
            case Unit::Inch:
                before.inch = true;
                break;
            case Unit::NominalBore:
                q.nominalBore = true;
                q.families &= FamilyBit(Family::Pipe);
                q.familyNamed = true;
                break;
            case Unit::KgPerMetre:
                q.massKgM = before.value;
                q.dimensions.pop_back();
                break;
            case Unit::KgPerCubicMetre:
                q.density = before.value;
                q.dimensions.pop_back();
                break;
            }
            q.lastIsPrefix = false;
            break;
        }
        case Role::Separator:
        case Role::Filler:
            break;
        }
        if (q.families == 0) {
            q.error = QStringLiteral("it names two kinds of item");
            return q;
        }
    }
    // One size in inches is a pipe's nominal bore: "1 1/2 inch".
    q.nominalBore = q.nominalBore || (q.dimensions.size() == 1 && q.dimensions.front().inch);
    // A pipe by outside diameter and wall is a circular hollow section.
    if ((q.families & FamilyBit(Family::Pipe)) && !q.nominalBore && q.dimensions.size() >= 2)
        q.families = (q.families & ~FamilyBit(Family::Pipe)) | FamilyBit(Family::CircularHollow);
    if (q.material && q.density) {
        q.error = QStringLiteral("it names a material and a density");
        return q;
    }
    return q;
}

} // namespace msweight
