#pragma once
// HRESULT-style numbers of the errors the system raises or expects, as signed 32-bit values.
#include <cstdint>

namespace com {

constexpr int32_t hresult(uint32_t value) { return static_cast<int32_t>(value); }

// Generic COM results.
constexpr int32_t S_OK_ = 0;
constexpr int32_t S_FALSE_ = 1;
constexpr int32_t E_NOINTERFACE_ = hresult(0x80004002);
constexpr int32_t E_POINTER_ = hresult(0x80004003);
constexpr int32_t E_OUTOFMEMORY_ = hresult(0x8007000E);
constexpr int32_t E_FAIL_ = hresult(0x80004005);
constexpr int32_t CLASS_E_CLASSNOTAVAILABLE_ = hresult(0x80040111);
constexpr int32_t CLASS_E_NOAGGREGATION_ = hresult(0x80040110);
constexpr int32_t REGDB_E_CLASSNOTREG_ = hresult(0x80040154);
constexpr int32_t SELFREG_E_CLASS_ = hresult(0x80040201);  // self-registration could not write
constexpr int32_t DISP_E_TYPEMISMATCH_ = hresult(0x80020005);
constexpr int32_t E_SHARING_VIOLATION_ = hresult(0x80070020);  // the file is in use by another process

// VB runtime errors (0x800A0000 + VB error number).
constexpr int32_t vbError(int number) { return hresult(0x800A0000u + static_cast<uint32_t>(number)); }
constexpr int32_t VB_OVERFLOW = vbError(6);             // "溢出"
constexpr int32_t VB_TYPE_MISMATCH = vbError(13);       // "类型不匹配"
constexpr int32_t VB_CANT_CREATE_OBJECT = vbError(429); // ActiveX component can't create object
constexpr int32_t VB_OBJECT_REQUIRED = vbError(424);
constexpr int32_t VB_INVALID_PROC_CALL = vbError(5);
constexpr int32_t VB_SUBSCRIPT_OUT_OF_RANGE = vbError(9);
constexpr int32_t VB_ELEMENT_NOT_FOUND = vbError(35601);  // tree/collection: element not found
constexpr int32_t VB_KEY_NOT_UNIQUE = vbError(35602);     // tree/collection: key is not unique
constexpr int32_t VB_KEY_ALREADY_EXISTS = vbError(457);   // collection: key already associated

// ADO errors.
constexpr int32_t ADO_ARGUMENTS_WRONG = hresult(0x800A0BB9);   // 3001
constexpr int32_t ADO_BOF_OR_EOF = hresult(0x800A0BCD);        // 3021
constexpr int32_t ADO_OBJECT_CLOSED = hresult(0x800A0E78);     // 3704
constexpr int32_t ADO_ITEM_NOT_FOUND = hresult(0x800A0CC1);    // 3265: item not in collection
constexpr int32_t ADO_PROVIDER_ERROR = hresult(0x80004005);    // errors passed up from the database

// The component's own.
constexpr int32_t ZEL_INVALID_ARGUMENT = hresult(0x800403E7);  // CnExecute on blank SQL

} // namespace com
