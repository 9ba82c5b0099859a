#include "editor/edit_history.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace ft817 {

// One step: the whole image before and after a user action.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(EditHistory& history, const QString& text, BlockStore before, BlockStore after)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    // Going from channel to channel changes only the current-channel byte:
    // a run of such steps is one step.
    int id() const override { return text() == EditHistory::kShowChannel ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        m_after = static_cast<const SnapshotStep*>(other)->m_after;
        setObsolete(m_after == m_before);
        return true;
    }
    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        // Pushing the step runs redo once: the image already holds its result.
        if (m_pushed)
            m_history.restore(m_after);
        m_pushed = true;
    }

private:
    EditHistory& m_history;
    BlockStore m_before;
    BlockStore m_after;
    bool m_pushed = false;
};

EditHistory::EditHistory(QObject* parent) : QObject(parent), m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, &EditHistory::savedStateChanged);
    connect(m_stack, &QUndoStack::cleanChanged, this, &EditHistory::savedStateChanged);
}

EditHistory::~EditHistory() = default;

void EditHistory::record(const QString& text, const BlockStore& before, const QObject* source)
{
    if (before == m_store)
        return;
    m_stack->push(new SnapshotStep(*this, text, before, m_store));
    emit changed(before, source);
}

void EditHistory::apply(const QString& text, const std::function<void(BlockStore&)>& change,
                        const QObject* source)
{
    const Step step(*this, text, source);
    change(m_store);
}

void EditHistory::restart()
{
    m_stack->clear();
    emit reset();
}

void EditHistory::markSaved()
{
    m_stack->setClean();
    emit savedStateChanged();
}

bool EditHistory::hasUnsavedChanges() const
{
    // The saved image's step was dropped (undone, then a new step made).
    const int saved = m_stack->cleanIndex();
    if (saved < 0)
        return true;
    const int now = m_stack->index();
    for (int k = std::min(saved, now); k < std::max(saved, now); ++k)
        if (m_stack->text(k) != kShowChannel)
            return true;
    return false;
}

void EditHistory::restore(const BlockStore& image)
{
    const BlockStore previous = m_store;
    m_store = image;
    emit changed(previous, nullptr);
}

EditHistory::Step::Step(EditHistory& history, QString text, const QObject* source)
    : m_history(history), m_text(std::move(text)), m_source(source), m_outermost(history.m_openSteps == 0)
{
    ++m_history.m_openSteps;
    if (m_outermost)
        m_before = m_history.m_store;
}

EditHistory::Step::~Step()
{
    --m_history.m_openSteps;
    if (m_outermost)
        m_history.record(m_text, m_before, m_source);
}

} // namespace ft817
