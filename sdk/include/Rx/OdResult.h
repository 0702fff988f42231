#pragma once
// Result codes of the drawing-database calls.
enum OdResult {
  eOk = 0,
  eNotImplemented,
  eNotApplicable,
  eInvalidInput,
  eInvalidIndex,
  eOutOfRange,
  eNullObjectId,
  eNullObjectPointer,
  eKeyNotFound,
  eDuplicateKey,
  eWasErased,
  eNotOpenForRead,
  eNotOpenForWrite,
  eNotThatKindOfClass,
  eWrongObjectType,
  eWrongDatabase,
  eNotInDatabase,
  eAlreadyInDb,
  eDegenerateGeometry,
  eRegappIdNotFound,
  eBadDxfSequence,
  eInvalidExtents,
  eFileError,
  eInvalidKey,
  eLockViolation,
  eCannotBeResolved,
  eIncompatibleVersion
};

// Short English name of a result code, for error messages.
const char* odResultName(OdResult res);
