#include "base/mnemonics.h"

#include <QHash>
#include <QSet>

namespace {

bool choosable(QChar c) {
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// The places of the caption's characters that may carry the mnemonic, the
// letters that start a word first; a literal "&&" is skipped whole.
QList<qsizetype> candidates(const QString& caption) {
    QList<qsizetype> starts;
    QList<qsizetype> others;
    bool inWord = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&') {
            ++i; // "&&": the second one is text
            inWord = false;
            continue;
        }
        if (choosable(c))
            (inWord ? others : starts) << i;
        inWord = c.isLetterOrNumber();
    }
    return starts + others;
}

} // namespace

QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

QString withoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QStringList withMnemonics(const QStringList& captions, const QList<QList<int>>& groups) {
    const qsizetype count = captions.size();
    // For each caption, the groups it is in; a caption in none is a group of its own.
    QList<QList<qsizetype>> groupsOf(count);
    for (qsizetype g = 0; g < groups.size(); ++g)
        for (const int index : groups[g])
            if (index >= 0 && index < count && !groupsOf[index].contains(g))
                groupsOf[index] << g;
    // Who holds each letter in each group.
    QList<QHash<QChar, qsizetype>> holder(groups.size());
    const auto isFree = [&](qsizetype index, QChar c) {
        for (const qsizetype g : groupsOf[index])
            if (holder[g].contains(c.toCaseFolded()))
                return false;
        return true;
    };
    const auto setHolder = [&](qsizetype index, QChar c, bool holds) {
        for (const qsizetype g : groupsOf[index]) {
            if (holds)
                holder[g].insert(c.toCaseFolded(), index);
            else
                holder[g].remove(c.toCaseFolded());
        }
    };

    // The designed mnemonics come first: the others avoid them.
    for (qsizetype i = 0; i < count; ++i)
        if (const QChar designed = mnemonicOf(captions[i]); !designed.isNull())
            setHolder(i, designed, true);
    QList<QList<qsizetype>> choices(count);
    QList<qsizetype> chosen(count, -1); // the place given the mark
    const auto firstFree = [&](qsizetype index) -> qsizetype {
        for (const qsizetype place : choices[index])
            if (isFree(index, captions[index][place]))
                return place;
        return -1;
    };
    for (qsizetype i = 0; i < count; ++i) {
        if (captions[i].isEmpty() || !mnemonicOf(captions[i]).isNull())
            continue;
        choices[i] = candidates(captions[i]);
        qsizetype place = firstFree(i);
        // All of its letters taken: one given earlier moves to another free
        // letter of its own when that frees one of these.
        for (qsizetype k = 0; place < 0 && k < choices[i].size(); ++k) {
            const QChar wanted = captions[i][choices[i][k]].toCaseFolded();
            QSet<qsizetype> holders;
            for (const qsizetype g : groupsOf[i])
                if (const qsizetype other = holder[g].value(wanted, -1); other >= 0)
                    holders << other;
            if (holders.size() != 1)
                continue;
            const qsizetype other = *holders.begin();
            if (chosen[other] < 0)
                continue; // designed, it keeps its own
            setHolder(other, wanted, false);
            setHolder(i, wanted, true); // so that the other does not take it back
            const qsizetype moved = firstFree(other);
            setHolder(i, wanted, false);
            if (moved < 0) {
                setHolder(other, wanted, true);
                continue;
            }
            chosen[other] = moved;
            setHolder(other, captions[other][moved], true);
            place = choices[i][k];
        }
        if (place >= 0) {
            chosen[i] = place;
            setHolder(i, captions[i][place], true);
        }
    }

    QStringList result = captions;
    for (qsizetype i = 0; i < count; ++i) {
        if (chosen[i] >= 0) {
            result[i].insert(chosen[i], u'&');
            continue;
        }
        if (captions[i].isEmpty() || !mnemonicOf(captions[i]).isNull())
            continue;
        static const QString kSpare = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        for (const QChar spare : kSpare) {
            if (isFree(i, spare)) {
                setHolder(i, spare, true);
                result[i] += QStringLiteral(" (&") + spare + u')';
                break;
            }
        }
    }
    return result;
}
