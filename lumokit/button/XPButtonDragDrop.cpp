#include "button/XPButtonDragDrop.h"

#include "button/LumoXPButton.h"
#include "core/control/InputArguments.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QPointer>

namespace lumokit {

namespace {

using B = LumoXPButton;

QVariant dataValue(OleDataObject* data) {
    return QVariant::fromValue(static_cast<IDispatch*>(data));
}

int effectsOf(Qt::DropActions actions) {
    int effects = 0;
    effects |= actions.testFlag(Qt::CopyAction) ? B::vbDropEffectCopy : 0;
    effects |= actions.testFlag(Qt::MoveAction) ? B::vbDropEffectMove : 0;
    return effects;
}

Qt::DropActions actionsOf(int effects) {
    Qt::DropActions actions;
    actions.setFlag(Qt::CopyAction, (effects & B::vbDropEffectCopy) != 0);
    actions.setFlag(Qt::MoveAction, (effects & B::vbDropEffectMove) != 0);
    return actions;
}

// The arguments OLEDragDrop and OLEDragOver share: Data, Effect, Button,
// Shift, x, y (OLEDragOver adds State).
QVariantList dropArgs(OleDataObject* data, int effect, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers, QPointF at) {
    return {dataValue(data),
            effect,
            buttonsOf(buttons),
            shiftOf(modifiers),
            static_cast<float>(at.x()),
            static_cast<float>(at.y())};
}

// Accepts the drop with the effect the host's handler left, preferring the
// action the user proposed.
void acceptDropEffect(QDropEvent* event, int effect) {
    const Qt::DropActions accepted = actionsOf(effect) & event->possibleActions();
    if (accepted == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(accepted.testFlag(event->proposedAction()) ? event->proposedAction()
                         : accepted.testFlag(Qt::CopyAction)        ? Qt::CopyAction
                                                                    : Qt::MoveAction);
    event->accept();
}

} // namespace

void XPButtonDragDrop::startDrag() {
    const QPointer<B> button(&m_button);
    const ComPtr<OleDataObject> data = OleDataObject::createForSource();
    QVariantList start{dataValue(data.get()), B::vbDropEffectCopy | B::vbDropEffectMove};
    if (!m_button.raiseEvent(&B::OLEStartDrag, start)) {
        return;
    }
    const int allowed = start.value(1).toInt();
    int effect = B::vbDropEffectNone;
    // Nothing to carry, or nothing allowed: no drag starts.
    if ((allowed & (B::vbDropEffectCopy | B::vbDropEffectMove)) != 0 && !data->isEmpty()) {
        auto* drag = new QDrag(&m_button);
        OleDataObject* source = data.get();
        drag->setMimeData(source->createMimeData([button, source](int format) {
            if (button) {
                button->raiseEvent(&B::OLESetData, dataValue(source), format);
            }
        }));
        QObject::connect(drag, &QDrag::actionChanged, &m_button, [this](Qt::DropAction action) {
            m_button.raiseEvent(&B::OLEGiveFeedback, effectsOf(action), true);
        });
        const Qt::DropAction result = drag->exec(actionsOf(allowed));
        if (!button) {
            return;
        }
        effect = effectsOf(result);
    }
    m_button.raiseEvent(&B::OLECompleteDrag, effect);
}

void XPButtonDragDrop::raiseDragOver(QDropEvent* event, int state) {
    QVariantList args = dropArgs(m_dropData.get(), effectsOf(event->possibleActions()),
                                 event->buttons(), event->modifiers(), event->position());
    args.append(state);
    const ComPtr<OleDataObject> data = m_dropData; // a handler may end the drag
    if (!m_button.raiseEvent(&B::OLEDragOver, args)) {
        return;
    }
    acceptDropEffect(event, args.value(1).toInt());
}

void XPButtonDragDrop::enter(QDragEnterEvent* event) {
    if (m_button.OLEDropMode() != B::vbOLEDropManual) {
        event->ignore();
        return;
    }
    m_dropData = OleDataObject::createForTarget(event->mimeData());
    m_dropPosition = event->position();
    raiseDragOver(event, B::vbEnter);
}

void XPButtonDragDrop::move(QDragMoveEvent* event) {
    if (!m_dropData) {
        event->ignore();
        return;
    }
    m_dropPosition = event->position();
    raiseDragOver(event, B::vbOver);
}

void XPButtonDragDrop::leave(QDragLeaveEvent* event) {
    const ComPtr<OleDataObject> data = std::move(m_dropData);
    m_dropData = nullptr;
    if (!data) {
        return;
    }
    QVariantList args = dropArgs(data.get(), B::vbDropEffectNone, QGuiApplication::mouseButtons(),
                                 QGuiApplication::keyboardModifiers(), m_dropPosition);
    args.append(B::vbLeave);
    m_button.raiseEvent(&B::OLEDragOver, args);
    event->accept();
}

void XPButtonDragDrop::drop(QDropEvent* event) {
    const ComPtr<OleDataObject> data =
        m_dropData ? std::move(m_dropData) : OleDataObject::createForTarget(event->mimeData());
    m_dropData = nullptr;
    if (m_button.OLEDropMode() != B::vbOLEDropManual) {
        event->ignore();
        return;
    }
    QVariantList args = dropArgs(data.get(), effectsOf(event->possibleActions()), event->buttons(),
                                 event->modifiers(), event->position());
    if (!m_button.raiseEvent(&B::OLEDragDrop, args)) {
        return;
    }
    acceptDropEffect(event, args.value(1).toInt());
}

} // namespace lumokit
