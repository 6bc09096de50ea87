#pragma once
// The data-access codes the program passes and compares: cursor and lock
// types, states, data types, schemas and the error numbers of the runtime.
namespace ado {

enum CursorType { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType { adLockUnspecified = -1, adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3, adLockBatchOptimistic = 4 };
enum CursorLocation { adUseServer = 2, adUseClient = 3 };
enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
enum IsolationLevel { adXactReadUncommitted = 256, adXactReadCommitted = 4096, adXactRepeatableRead = 65536, adXactSerializable = 1048576 };
enum SchemaEnum { adSchemaColumns = 4, adSchemaTables = 20 };

enum DataType {
  adEmpty = 0, adSmallInt = 2, adInteger = 3, adSingle = 4, adDouble = 5, adCurrency = 6, adDate = 7,
  adBoolean = 11, adVariant = 12, adDecimal = 14, adTinyInt = 16, adUnsignedTinyInt = 17, adBigInt = 20, adGUID = 72, adBinary = 128, adChar = 129,
  adWChar = 130, adNumeric = 131, adDBDate = 133, adDBTime = 134, adDBTimeStamp = 135, adVarChar = 200,
  adLongVarChar = 201, adVarWChar = 202, adLongVarWChar = 203, adVarBinary = 204, adLongVarBinary = 205
};

// Numbers of the runtime errors the data-access objects raise.
namespace errnum {
constexpr long BofOrEof = 3021;             // no current record
constexpr long NotAllowedInContext = 3219;  // e.g. closing with a pending edit
constexpr long ItemNotFound = 3265;         // unknown field name or ordinal
constexpr long ClosedObject = 3704;
constexpr long AlreadyOpen = 3705;
constexpr long ConnectionUnusable = 3709;
constexpr long NotSupported = 3251;         // operation the provider does not support
constexpr long E_FAIL = -2147467259;        // 0x80004005
constexpr long Integrity = -2147217873;     // 0x80040E2F
constexpr long MissingTable = -2147217865;  // 0x80040E37
constexpr long CommandText = -2147217900;   // 0x80040E14
constexpr long TypeConversion = -2147217913;  // 0x80040E07
constexpr long RowNotFound = -2147217864;     // 0x80040E38, the row to update is gone or changed
constexpr long Timeout = -2147217871;         // 0x80040E31, lock or query time-out
constexpr long DataOverflow = -2147217833;    // 0x80040E57, string or binary data would be truncated
}  // namespace errnum

// SQLSTATEs of a provider error about one row alone (class 22, data
// exception), not about the source as a whole: the rows around it can still
// be read. One value of the row is no value of its type:
inline constexpr char kSqlStateInvalidValue[] = "22018";
// The row's own bytes are no row (its deletion mark, its memo, a record the
// file does not give back):
inline constexpr char kSqlStateDamagedRow[] = "22000";
// The class both belong to, which the SQLSTATE starts with.
inline constexpr char kSqlStateClassRowData[] = "22";

}  // namespace ado
