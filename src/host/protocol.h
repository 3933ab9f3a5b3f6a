// The records that cross the boundary between the host and the library.
//
// Every record is packed and little-endian; pointers travel as 32-bit
// addresses. This header is shared by the library and the replacement host,
// and it compiles natively too (addresses are plain 32-bit words there), so
// the layout checks below run in every build.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarvo {

using Addr = std::uint32_t;  // a 32-bit address as it travels in a record

// An address from a record, as a pointer of the given type.
template <typename T>
inline T* FromAddr(Addr a) {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(a));
}
// An address from a record, as a function pointer.
template <typename Fn>
inline Fn FnFromAddr(Addr a) {
    return reinterpret_cast<Fn>(static_cast<std::uintptr_t>(a));
}

#pragma pack(push, 1)

// Argument of DispatchAPI.
struct RequestBlock {
    std::uint32_t word0;     // first argument; receives the first result
    std::uint32_t word1;     // second argument; receives the second result
    std::uint8_t unused8[12];
    std::uint32_t code;      // request code 0..18
    Addr function;           // request 0: host callback; 1, 10, 11: function to call
    std::uint8_t unused28[8];
    // offset 36: the inline parameter block for requests 1 and 11
};

// Argument of the host callback; built fresh for every service call.
struct ServiceBlock {
    std::uint32_t arg1;      // also the result after the call
    std::uint32_t arg2;
    std::uint32_t arg3;
    std::uint32_t arg4;
    std::uint32_t code;      // service code; 83 or 84 after the call means abort
    std::uint32_t zero;      // always 0 before the call
    std::uint32_t arg5;      // only the seven-argument dialog service
};

// A value record: parameters and results.
struct ValueRecord {
    char type;               // C N I D L R H, and Y T M G 0 for '?' parameters
    std::uint8_t unused1;
    std::int16_t width;      // display width of I and N values
    std::int32_t length;     // C/H: bytes; N: decimals; L: 0 or 1
    std::int32_t integer;    // value of an I (and the whole part of an N)
    double number;           // value of an N; day number of a D
    std::int64_t currency;   // value of a Y (scaled by 10000 by the host)
    std::uint32_t handle;    // C/H: handle holding the text
    std::uint32_t unused32;
};

// A parameter passed by reference (type letter 'R').
struct VariableLocator {
    char type;               // 'R'
    std::int16_t workArea;   // -1 for a memory variable
    std::uint8_t reference[10];  // the host's own identification
    std::uint8_t unused[23];
};

// A parameter record is one or the other; the first byte tells which.
union ParamRecord {
    ValueRecord value;
    VariableLocator locator;
};

struct ParamBlock {
    std::int16_t count;      // parameters actually passed
    ParamRecord params[1];   // really `count` records
};

// What request 0 and 14 hand over.
struct LibraryHeader {
    Addr next;               // the host may chain libraries here
    std::int16_t count;      // number of function records
    Addr records;            // address of the first record
};

struct FunctionRecord {
    Addr name;               // zero-terminated, upper case
    Addr handler;
    std::int16_t paramCount; // 0..10; -2 load hook; -3 unload hook
    Addr types;              // parameter-type string, never null
};

// The host's handle table and value table (memory lent by the host).
struct HandleTableHeader {
    std::uint16_t nextFree;
    std::uint16_t capacity;
    // std::uint32_t slots[capacity] follow at offset 4
};

struct ValueTableHeader {
    std::uint16_t nextFree;
    std::uint16_t inUse;
    std::uint16_t capacity;
    // std::uint32_t slots[capacity] follow at offset 6
};

#pragma pack(pop)

static_assert(sizeof(RequestBlock) == 36);
static_assert(offsetof(RequestBlock, word1) == 4);
static_assert(offsetof(RequestBlock, code) == 20);
static_assert(offsetof(RequestBlock, function) == 24);

static_assert(sizeof(ServiceBlock) == 28);
static_assert(offsetof(ServiceBlock, code) == 16);
static_assert(offsetof(ServiceBlock, zero) == 20);
static_assert(offsetof(ServiceBlock, arg5) == 24);

static_assert(sizeof(ValueRecord) == 36);
static_assert(offsetof(ValueRecord, width) == 2);
static_assert(offsetof(ValueRecord, length) == 4);
static_assert(offsetof(ValueRecord, integer) == 8);
static_assert(offsetof(ValueRecord, number) == 12);
static_assert(offsetof(ValueRecord, currency) == 20);
static_assert(offsetof(ValueRecord, handle) == 28);

static_assert(sizeof(VariableLocator) == 36);
static_assert(offsetof(VariableLocator, workArea) == 1);
static_assert(offsetof(VariableLocator, reference) == 3);

static_assert(sizeof(ParamRecord) == 36);
static_assert(offsetof(ParamBlock, params) == 2);

static_assert(sizeof(LibraryHeader) == 10);
static_assert(offsetof(LibraryHeader, count) == 4);
static_assert(offsetof(LibraryHeader, records) == 6);

static_assert(sizeof(FunctionRecord) == 14);
static_assert(offsetof(FunctionRecord, handler) == 4);
static_assert(offsetof(FunctionRecord, paramCount) == 8);
static_assert(offsetof(FunctionRecord, types) == 10);

static_assert(sizeof(HandleTableHeader) == 4);
static_assert(sizeof(ValueTableHeader) == 6);

constexpr std::size_t kParamBlockOffset = 36;   // in the request block
constexpr std::size_t kHandleSlotsOffset = 4;   // in the handle table
constexpr std::size_t kValueSlotsOffset = 6;    // in the value table
constexpr std::uint32_t kDescribeConstant = 5000;  // word 1 of requests 0 and 14

// Request codes.
enum Request : std::uint32_t {
    kReqLoad = 0,
    kReqCall = 1,
    kReqAllocHandle = 2,
    kReqFreeHandle = 4,
    kReqHandleAddress = 6,
    kReqCall2 = 10,
    kReqCallReturn = 11,
    kReqDescribe = 14,
    kReqValueAdd = 16,
    kReqValueRemove = 17,
    kReqValueGet = 18,
};

// Service codes.
enum Service : std::uint32_t {
    kSvcPutString = 2,
    kSvcReturnValue = 11,
    kSvcGetRecordNumber = 12,
    kSvcGetRecordCount = 13,
    kSvcGetTableStatus = 14,
    kSvcGoToRecord = 15,
    kSvcWriteRecord = 16,
    kSvcAppendRecord = 18,
    kSvcGoTop = 19,
    kSvcSkipRecords = 20,
    kSvcGoBottom = 21,
    kSvcReplaceField = 22,
    kSvcGetMemoChannel = 23,
    kSvcFindMemo = 25,
    kSvcGetMemoSize = 26,
    kSvcStoreVariable = 29,
    kSvcLoadVariable = 30,
    kSvcHostFileOpen = 31,
    kSvcHostFileClose = 32,
    kSvcHostFileIo = 33,
    kSvcHostFileSeek = 34,
    kSvcHostFileEof = 37,
    kSvcGetWindowMetric = 42,
    kSvcExecuteCommand = 54,
    kSvcEvaluateExpression = 55,
    kSvcReadKey = 62,
    kSvcGetMousePosition = 63,
    kSvcShowDialog = 82,
    kSvcRaiseError = 83,
    kSvcRaiseUserError = 84,
    kSvcGetErrorInfo = 85,
    kSvcSeekKey = 86,
    kSvcLockRecord = 87,
    kSvcUnlockRecords = 88,
    kSvcEditorOpenFile = 95,
    kSvcEditorPosition = 96,
    kSvcEditorInsert = 99,
    kSvcEditorSendKey = 100,
    kSvcEditorSelect = 103,
    kSvcEditorAction = 104,
    kSvcEditorGroupUndo = 105,
    kSvcEditorEnvironment = 108,
    kSvcEditorPositionInView = 109,
    kSvcEditorCloseFile = 110,
    kSvcEditorSave = 111,
    kSvcHostWindowToHwnd = 112,
    kSvcFindHostWindow = 113,
    kSvcSetObjectProperty = 122,
};

// Modes of the file-channel I/O service.
enum FileIoMode : std::uint32_t {
    kIoReadLine = 0,
    kIoReadBlock = 1,
    kIoWriteLine = 2,
    kIoWriteBlock = 3,
};

// The editor environment record EditorEnvironment reads and writes: 384
// bytes, of which these fields are used (flags are 16-bit, non-zero set).
#pragma pack(push, 1)
struct EditorEnvironmentRecord {
    char fileName[267];      // zero-terminated
    std::int16_t modified;   // 267
    std::int16_t autoIndent; // 269
    std::int16_t backup;     // 271
    char unused1[14];
    std::int16_t statusBar;  // 287
    char unused2[22];
    char fontName[73];       // 311, zero-terminated
};
#pragma pack(pop)
static_assert(sizeof(EditorEnvironmentRecord) == 384);
static_assert(offsetof(EditorEnvironmentRecord, modified) == 267);
static_assert(offsetof(EditorEnvironmentRecord, autoIndent) == 269);
static_assert(offsetof(EditorEnvironmentRecord, backup) == 271);
static_assert(offsetof(EditorEnvironmentRecord, statusBar) == 287);
static_assert(offsetof(EditorEnvironmentRecord, fontName) == 311);

// Host error numbers the library raises.
enum HostError : std::uint32_t {
    kErrNotCharacter9 = 9,
    kErrFieldNotVariable = 129,
    kErrOutOfMemory = 182,
    kErrNotCharacter302 = 302,
    kErrVariableTooShort = 903,
};

constexpr std::uint16_t kHandleTag = 16;  // tag word of handles the library allocates

// The host's longest character value, in bytes: a text result longer than
// this cannot be held, so the library answers out of memory (182) before
// building one.
constexpr std::size_t kMaxTextLength = 16777184;

}  // namespace tarvo
