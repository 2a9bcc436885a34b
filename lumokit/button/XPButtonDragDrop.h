#pragma once

// The XP button's OLE drag and drop, between Qt's drag and drop and the
// button's OLE events: as a drop target (OLEDropMode manual) it raises
// OLEDragOver and OLEDragDrop and accepts the effect the host leaves; as a
// source (OLEDrag) it raises OLEStartDrag, OLESetData for promised formats,
// OLEGiveFeedback and OLECompleteDrag.
#include "button/OleDataObject.h"

#include <lumokit/ComPtr.h>

#include <QPointF>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;

namespace lumokit {

class LumoXPButton;

class XPButtonDragDrop {
public:
    explicit XPButtonDragDrop(LumoXPButton& button) : m_button(button) {}

    void startDrag();
    void enter(QDragEnterEvent* event);
    void move(QDragMoveEvent* event);
    void leave(QDragLeaveEvent* event);
    void drop(QDropEvent* event);

private:
    void raiseDragOver(QDropEvent* event, int state);

    LumoXPButton& m_button;
    ComPtr<OleDataObject> m_dropData; // the data of a drag over the button
    QPointF m_dropPosition;
};

} // namespace lumokit
