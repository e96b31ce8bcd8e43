#pragma once
// Keeps a text area's document to its last lines, for output that keeps
// coming (the updates console). Lines are collected and joined into one edit
// of the document once they pause for a frame (at the latest every
// longestWaitMs while they keep coming): every edit of a long document costs
// in proportion to its length (layout, the text node), so one edit per line
// would make a full console cost thousands of times what a line costs. The
// oldest lines leave the document in one piece, lines beyond the bound that
// never reached it are only counted. The document keeps no undo history, so
// its memory stays bounded as well. Text is only added at the end and taken
// from the start, so an operator's selection stays on its text. The document
// is the one of a text area (its parent), whose selection is kept. GUI thread
// only.

#include <QObject>
#include <QPointer>
#include <QQuickTextDocument>
#include <QTextCharFormat>
#include <QTimer>
#include <QElapsedTimer>
#include <deque>

class QTextDocument;

class TextTail : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickTextDocument *document READ document WRITE setDocument NOTIFY documentChanged)
    Q_PROPERTY(int maximumLines READ maximumLines WRITE setMaximumLines NOTIFY maximumLinesChanged)
    Q_PROPERTY(int dropped READ dropped NOTIFY droppedChanged)

public:
    // A pause this long ends a run of lines; a run is shown at the latest
    // longestWaitMs after its first line.
    static constexpr int frameMs = 16;
    static constexpr int longestWaitMs = 500;

    explicit TextTail(QObject *parent = nullptr);

    QQuickTextDocument *document() const { return m_document; }
    void setDocument(QQuickTextDocument *document);
    int maximumLines() const { return m_maximumLines; }
    void setMaximumLines(int lines);
    // Lines that left (or never reached) the document since it was last cleared.
    int dropped() const { return m_dropped; }

    // Adds our own rich text as a new line at the end.
    Q_INVOKABLE void append(const QString &html);
    // Adds outside text as a new line at the end, as it stands (no markup),
    // in `color` when one is given. Its own line breaks stay breaks within
    // the line; one closing break is dropped.
    Q_INVOKABLE void appendText(const QString &text, const QColor &color = QColor());
    // Empties the document, lines not yet shown included.
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void documentChanged();
    void maximumLinesChanged();
    void droppedChanged();
    // New lines are in the document (the area may have moved to a kept selection).
    void linesShown();

private:
    struct Line
    {
        QString text;
        QTextCharFormat format;
        bool rich = false;
    };

    QTextDocument *textDocument() const;
    void addPending(Line line);
    void dropPendingBeyondLimit();
    void flushWhenPaused();
    void flush();
    void setDropped(int dropped);

    QPointer<QQuickTextDocument> m_document;
    int m_maximumLines = 5000;
    int m_dropped = 0;
    int m_lines = 0; // in the document
    std::deque<Line> m_pending;
    int m_pendingDropped = 0;
    QTimer m_flushTimer;
    QElapsedTimer m_firstPending;
    QElapsedTimer m_lastPending;
};

// The types the screens create themselves (module tavell.screens).
void registerScreenTypes();
