#pragma once
// Attribute definitions (in a block definition: tag, prompt, default value)
// and attributes (the value a block reference holds for a tag), texts with
// flags. A multi-line attribute's text object stays as the file had it.
#include "Db/DbText.h"

// What attributes and their definitions share, as a file holds it.
struct OdDbAttributeFields {
  OdString tag;
  int flags = 0;  // 1 invisible, 2 constant, 4 verify, 8 preset
  bool lockPosition = false;
  int fieldLength = 0;
  int version = 0;
  bool hadVersion = false, hadLock = false;
  void read(const OdDxfIn& in, const char* subclass, OdString* prompt);
  void write(OdDxfOut& out, const OdString* prompt) const;
};

#define KD_ATTRIBUTE_MEMBERS                                             \
 public:                                                                 \
  OdString tag() const;                                                  \
  OdResult setTag(const OdString& tag);                                  \
  bool isInvisible() const;                                              \
  OdResult setInvisible(bool on);                                        \
  bool isConstant() const;                                               \
  OdResult setConstant(bool on);                                         \
  bool isVerifiable() const;                                             \
  OdResult setVerifiable(bool on);                                       \
  bool isPreset() const;                                                 \
  OdResult setPreset(bool on);                                           \
  bool lockPositionInBlock() const;                                      \
  OdResult setLockPositionInBlock(bool on);                              \
  void dxfInFields(const OdDxfIn& in) override;                          \
  void dxfOutFields(OdDxfOut& out) const override;                       \
                                                                         \
 private:                                                                \
  bool flag(int bit) const;                                              \
  OdResult setFlag(int bit, bool on);                                    \
  OdDbAttributeFields m_fields;

class OdDbAttributeDefinition : public OdDbText {
public:
  ODRX_DECLARE_MEMBERS(OdDbAttributeDefinition)
public:
  OdString prompt() const;
  OdResult setPrompt(const OdString& prompt);
  KD_ATTRIBUTE_MEMBERS
  OdString m_prompt;
};
typedef OdSmartPtr<OdDbAttributeDefinition> OdDbAttributeDefinitionPtr;

class OdDbAttribute : public OdDbText {
public:
  ODRX_DECLARE_MEMBERS(OdDbAttribute)
public:
  // Takes tag, flags, text settings and the default value from the
  // definition, placed by the reference's block transform.
  void setAttributeFromBlock(const OdDbAttributeDefinition* definition, const OdGeMatrix3d& blockTransform);
  KD_ATTRIBUTE_MEMBERS
};
typedef OdSmartPtr<OdDbAttribute> OdDbAttributePtr;
#undef KD_ATTRIBUTE_MEMBERS
