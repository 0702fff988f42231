#include "Db/DbAttribute.h"

#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbAttributeDefinition, OdDbText, L"ATTDEF", new OdDbAttributeDefinition)
ODRX_DEFINE_MEMBERS_EX(OdDbAttribute, OdDbText, L"ATTRIB", new OdDbAttribute)

namespace {
enum { kInvisible = 1, kConstant = 2, kVerifiable = 4, kPreset = 8 };
}

// The subclass uses 280 twice: a version before the tag and the position
// lock after the flags.
void OdDbAttributeFields::read(const OdDxfIn& in, const char* subclass, OdString* prompt) {
  tag = in.string(subclass, 2);
  flags = in.integer(subclass, 70, 0);
  fieldLength = in.integer(subclass, 73, 0);
  if (prompt) *prompt = in.string(subclass, 3);
  bool afterTag = false;
  for (const OdDxfTag* t : in.section(subclass)) {
    if (t->code == 2 || t->code == 70) afterTag = true;
    if (t->code != 280) continue;
    if (afterTag) {
      hadLock = true;
      lockPosition = in.toInteger(*t) != 0;
    } else {
      hadVersion = true;
      version = int(in.toInteger(*t));
    }
  }
}

void OdDbAttributeFields::write(OdDxfOut& out, const OdString* prompt) const {
  if (hadVersion) out.integer(280, version);
  if (prompt) out.string(3, *prompt);
  out.string(2, tag);
  out.integer(70, flags);
  out.integerOpt(73, fieldLength, 0);
}

#define KD_ATTRIBUTE_DEFINE(Class)                                                                      \
  OdString Class::tag() const {                                                                         \
    assertReadEnabled();                                                                                \
    return m_fields.tag;                                                                                \
  }                                                                                                     \
  OdResult Class::setTag(const OdString& tag) {                                                         \
    assertWriteEnabled();                                                                               \
    m_fields.tag = tag;                                                                                 \
    return eOk;                                                                                         \
  }                                                                                                     \
  bool Class::flag(int bit) const {                                                                     \
    assertReadEnabled();                                                                                \
    return (m_fields.flags & bit) != 0;                                                                 \
  }                                                                                                     \
  OdResult Class::setFlag(int bit, bool on) {                                                           \
    assertWriteEnabled();                                                                               \
    m_fields.flags = on ? (m_fields.flags | bit) : (m_fields.flags & ~bit);                             \
    return eOk;                                                                                         \
  }                                                                                                     \
  bool Class::isInvisible() const { return flag(kInvisible); }                                          \
  OdResult Class::setInvisible(bool on) { return setFlag(kInvisible, on); }                             \
  bool Class::isConstant() const { return flag(kConstant); }                                            \
  OdResult Class::setConstant(bool on) { return setFlag(kConstant, on); }                               \
  bool Class::isVerifiable() const { return flag(kVerifiable); }                                        \
  OdResult Class::setVerifiable(bool on) { return setFlag(kVerifiable, on); }                           \
  bool Class::isPreset() const { return flag(kPreset); }                                                \
  OdResult Class::setPreset(bool on) { return setFlag(kPreset, on); }                                   \
  bool Class::lockPositionInBlock() const {                                                             \
    assertReadEnabled();                                                                                \
    return m_fields.lockPosition;                                                                       \
  }                                                                                                     \
  OdResult Class::setLockPositionInBlock(bool on) {                                                     \
    assertWriteEnabled();                                                                               \
    m_fields.lockPosition = on;                                                                         \
    return eOk;                                                                                         \
  }

KD_ATTRIBUTE_DEFINE(OdDbAttributeDefinition)
KD_ATTRIBUTE_DEFINE(OdDbAttribute)
#undef KD_ATTRIBUTE_DEFINE

OdString OdDbAttributeDefinition::prompt() const {
  assertReadEnabled();
  return m_prompt;
}
OdResult OdDbAttributeDefinition::setPrompt(const OdString& prompt) {
  assertWriteEnabled();
  m_prompt = prompt;
  return eOk;
}

void OdDbAttributeDefinition::dxfInFields(const OdDxfIn& in) {
  OdDbText::dxfInFields(in);
  const char* S = "AcDbAttributeDefinition";
  m_fields.read(in, S, &m_prompt);
  readVerticalMode(in.integer(S, 74, 0));
}

void OdDbAttributeDefinition::dxfOutFields(OdDxfOut& out) const {
  OdDbText::dxfOutFields(out);
  out.subclass("AcDbAttributeDefinition");
  m_fields.write(out, &m_prompt);
  out.integerOpt(74, verticalMode(), 0);
  if (m_fields.hadLock || m_fields.lockPosition) out.integer(280, m_fields.lockPosition ? 1 : 0);
}

void OdDbAttribute::dxfInFields(const OdDxfIn& in) {
  OdDbText::dxfInFields(in);
  const char* S = "AcDbAttribute";
  m_fields.read(in, S, nullptr);
  readVerticalMode(in.integer(S, 74, 0));
}

void OdDbAttribute::dxfOutFields(OdDxfOut& out) const {
  OdDbText::dxfOutFields(out);
  out.subclass("AcDbAttribute");
  m_fields.write(out, nullptr);
  out.integerOpt(74, verticalMode(), 0);
  if (m_fields.hadLock || m_fields.lockPosition) out.integer(280, m_fields.lockPosition ? 1 : 0);
}

void OdDbAttribute::setAttributeFromBlock(const OdDbAttributeDefinition* definition, const OdGeMatrix3d& blockTransform) {
  assertWriteEnabled();
  if (!definition) return;
  setPosition(definition->position());
  setAlignmentPoint(definition->alignmentPoint());
  setHorizontalMode(definition->horizontalMode());
  setVerticalMode(definition->verticalMode());
  setHeight(definition->height());
  setWidthFactor(definition->widthFactor());
  setOblique(definition->oblique());
  setRotation(definition->rotation());
  setThickness(definition->thickness());
  setNormal(definition->normal());
  if (!definition->textStyle().isNull()) setTextStyle(definition->textStyle());
  mirrorInX(definition->isMirroredInX());
  mirrorInY(definition->isMirroredInY());
  setTextString(definition->textString());
  m_fields.tag = definition->tag();
  m_fields.flags = definition->isInvisible() | definition->isConstant() << 1 | definition->isVerifiable() << 2 |
                   definition->isPreset() << 3;
  m_fields.lockPosition = definition->lockPositionInBlock();
  transformBy(blockTransform);
}
