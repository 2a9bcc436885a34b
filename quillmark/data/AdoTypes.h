#pragma once

// The numbers callers pass to and read from the data-access objects; they keep
// the values of the ADO constants the screens were written against.
namespace quillmark {

enum CursorTypeEnum : long {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : long {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

enum ObjectStateEnum : long {
    adStateClosed = 0,
    adStateOpen = 1,
};

enum EditModeEnum : long {
    adEditNone = 0,
    adEditInProgress = 1,
    adEditAdd = 2,
};

enum PositionEnum : long {
    adPosUnknown = -1,
    adPosBOF = -2,
    adPosEOF = -3,
};

enum CommandTypeEnum : long {
    adCmdUnknown = 8,
    adCmdText = 1,
    adCmdTable = 2,
};

} // namespace quillmark
