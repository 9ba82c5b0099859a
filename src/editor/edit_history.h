#pragma once
// The image the memory editor and the channel list work on, with its undo
// and redo: every user
// action that changes the loaded image becomes one step holding the whole
// image before and after it (a memory image is about 6.6 KB). Both windows
// work on the one image; whoever changes it records the step here, and every
// change (a new step, an undo, a redo, a fresh Edit) is announced so that
// each window shows the image as it now stands.

#include "image/block_store.h"

#include <QObject>
#include <QString>

#include <functional>

class QUndoStack;

namespace ft817 {

class EditHistory : public QObject {
    Q_OBJECT
public:
    // The name of a step that only shows another channel; a run of them is one step.
    static inline const QString kShowChannel = QStringLiteral("Show channel");

    // Keeps the image and the steps of changes to it. The editor and the
    // channel list share one history (std::shared_ptr), so the image lives as
    // long as the last window that shows it.
    explicit EditHistory(QObject* parent = nullptr);
    ~EditHistory() override;

    // The image all steps are about.
    BlockStore& store() { return m_store; }
    const BlockStore& store() const { return m_store; }
    // The stack of steps, for undo and redo actions and their texts.
    QUndoStack& stack() { return *m_stack; }

    // Records that the image changed from before to what it holds now, as one
    // step named text; nothing when the two are equal. source is the window
    // that made the change (it has shown it already).
    void record(const QString& text, const BlockStore& before, const QObject* source);
    // Runs change on the image and records it as one step.
    void apply(const QString& text, const std::function<void(BlockStore&)>& change, const QObject* source);
    // Forgets every step (a fresh Edit) and tells every window to show the image anew.
    void restart();

    // Notes that the image as it now stands is the one in the file (a Done;
    // restart() notes it too).
    void markSaved();
    // True when the image holds a change the file lacks: a step other than
    // showing another channel lies between the image as saved and as it now
    // stands, done or undone. Stepping through the channels alone is no
    // change of the owner's, though it moves the radio's current channel.
    bool hasUnsavedChanges() const;

    // Collects the changes of one user action into one step: the image is
    // taken when the outermost Step begins and recorded when it ends.
    class Step {
    public:
        explicit Step(EditHistory& history, QString text, const QObject* source);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        EditHistory& m_history;
        QString m_text;
        const QObject* m_source;
        bool m_outermost = false;
        BlockStore m_before;
    };

signals:
    // The image changed from previous; source made the change, or is null for
    // an undo or a redo, which every window shows.
    void changed(const ft817::BlockStore& previous, const QObject* source);
    // The image was replaced as a whole (a fresh Edit).
    void reset();
    // hasUnsavedChanges() may answer otherwise now.
    void savedStateChanged();

private:
    friend class SnapshotStep;
    void restore(const BlockStore& image);

    BlockStore m_store;
    QUndoStack* m_stack = nullptr;
    int m_openSteps = 0;
};

} // namespace ft817
