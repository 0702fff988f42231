#pragma once
// The dimension settings ("dimension variables") in one table: a dimension
// style record holds a value of each; a dimension holds its own value of
// some of them (its overrides of the style, kept as the "DSTYLE" list of its
// "ACAD" extended data) and takes the style's for the others. The table
// gives each setting its name, the group code that names it in files, the
// kind of its value and its default in a new drawing.
#include "Cm/CmColor.h"
#include "Db/DbObjectId.h"
#include "Rx/OdString.h"

// X(getter, Setter, code, Kind, default)
#define KD_DIM_VARS(X)                               \
  X(dimpost, Dimpost, 3, String, L"")                \
  X(dimapost, Dimapost, 4, String, L"")              \
  X(dimscale, Dimscale, 40, Real, 1.0)               \
  X(dimasz, Dimasz, 41, Real, 0.18)                  \
  X(dimexo, Dimexo, 42, Real, 0.0625)                \
  X(dimdli, Dimdli, 43, Real, 0.38)                  \
  X(dimexe, Dimexe, 44, Real, 0.18)                  \
  X(dimrnd, Dimrnd, 45, Real, 0.0)                   \
  X(dimdle, Dimdle, 46, Real, 0.0)                   \
  X(dimtp, Dimtp, 47, Real, 0.0)                     \
  X(dimtm, Dimtm, 48, Real, 0.0)                     \
  X(dimfxl, Dimfxl, 49, Real, 1.0)                   \
  X(dimjogang, Dimjogang, 50, Real, 0.7853981633974483) \
  X(dimtfill, Dimtfill, 69, Int, 0)                  \
  X(dimtfillclr, Dimtfillclr, 70, Color, 0)          \
  X(dimtol, Dimtol, 71, Bool, 0)                     \
  X(dimlim, Dimlim, 72, Bool, 0)                     \
  X(dimtih, Dimtih, 73, Bool, 1)                     \
  X(dimtoh, Dimtoh, 74, Bool, 1)                     \
  X(dimse1, Dimse1, 75, Bool, 0)                     \
  X(dimse2, Dimse2, 76, Bool, 0)                     \
  X(dimtad, Dimtad, 77, Int, 0)                      \
  X(dimzin, Dimzin, 78, Int, 0)                      \
  X(dimazin, Dimazin, 79, Int, 0)                    \
  X(dimarcsym, Dimarcsym, 90, Int, 0)                \
  X(dimtxt, Dimtxt, 140, Real, 0.18)                 \
  X(dimcen, Dimcen, 141, Real, 0.09)                 \
  X(dimtsz, Dimtsz, 142, Real, 0.0)                  \
  X(dimaltf, Dimaltf, 143, Real, 25.4)               \
  X(dimlfac, Dimlfac, 144, Real, 1.0)                \
  X(dimtvp, Dimtvp, 145, Real, 0.0)                  \
  X(dimtfac, Dimtfac, 146, Real, 1.0)                \
  X(dimgap, Dimgap, 147, Real, 0.09)                 \
  X(dimaltrnd, Dimaltrnd, 148, Real, 0.0)            \
  X(dimalt, Dimalt, 170, Bool, 0)                    \
  X(dimaltd, Dimaltd, 171, Int, 2)                   \
  X(dimtofl, Dimtofl, 172, Bool, 0)                  \
  X(dimsah, Dimsah, 173, Bool, 0)                    \
  X(dimtix, Dimtix, 174, Bool, 0)                    \
  X(dimsoxd, Dimsoxd, 175, Bool, 0)                  \
  X(dimclrd, Dimclrd, 176, Color, 0)                 \
  X(dimclre, Dimclre, 177, Color, 0)                 \
  X(dimclrt, Dimclrt, 178, Color, 0)                 \
  X(dimadec, Dimadec, 179, Int, 0)                   \
  X(dimdec, Dimdec, 271, Int, 4)                     \
  X(dimtdec, Dimtdec, 272, Int, 4)                   \
  X(dimaltu, Dimaltu, 273, Int, 2)                   \
  X(dimalttd, Dimalttd, 274, Int, 2)                 \
  X(dimaunit, Dimaunit, 275, Int, 0)                 \
  X(dimfrac, Dimfrac, 276, Int, 0)                   \
  X(dimlunit, Dimlunit, 277, Int, 2)                 \
  X(dimdsep, Dimdsep, 278, Char, L'.')               \
  X(dimtmove, Dimtmove, 279, Int, 0)                 \
  X(dimjust, Dimjust, 280, Int, 0)                   \
  X(dimsd1, Dimsd1, 281, Bool, 0)                    \
  X(dimsd2, Dimsd2, 282, Bool, 0)                    \
  X(dimtolj, Dimtolj, 283, Int, 1)                   \
  X(dimtzin, Dimtzin, 284, Int, 0)                   \
  X(dimaltz, Dimaltz, 285, Int, 0)                   \
  X(dimalttz, Dimalttz, 286, Int, 0)                 \
  X(dimupt, Dimupt, 288, Bool, 0)                    \
  X(dimatfit, Dimatfit, 289, Int, 3)                 \
  X(dimfxlon, Dimfxlon, 290, Bool, 0)                \
  X(dimtxsty, Dimtxsty, 340, Id, 0)                  \
  X(dimldrblk, Dimldrblk, 341, Id, 0)                \
  X(dimblk, Dimblk, 342, Id, 0)                      \
  X(dimblk1, Dimblk1, 343, Id, 0)                    \
  X(dimblk2, Dimblk2, 344, Id, 0)                    \
  X(dimltype, Dimltype, 345, Id, 0)                  \
  X(dimltex1, Dimltex1, 346, Id, 0)                  \
  X(dimltex2, Dimltex2, 347, Id, 0)                  \
  X(dimlwd, Dimlwd, 371, Int, -2)                    \
  X(dimlwe, Dimlwe, 372, Int, -2)

enum class OdDbDimVar : int {
#define KD_DIM_VAR_ENUM(name, Name, code, Kind, def) name,
  KD_DIM_VARS(KD_DIM_VAR_ENUM)
#undef KD_DIM_VAR_ENUM
      kCount
};

// The kinds of value: reals; 16-bit integers; flags; colour indexes; one
// character; texts; references to records (by handle in files).
enum class OdDbDimVarKind { Real, Int, Bool, Color, Char, String, Id };

struct OdDbDimVarInfo {
  const char* name;
  int code;
  OdDbDimVarKind kind;
  double realDefault;         // Real; Int, Bool, Color and Char as a number
  const wchar_t* textDefault; // String
};
const OdDbDimVarInfo& odDbDimVarInfo(OdDbDimVar var);
// The setting a group code names; false for a code of none.
bool odDbDimVarByCode(int code, OdDbDimVar& var);

// One value of a setting; which member counts follows the kind.
struct OdDbDimVarValue {
  double real = 0.0;
  int integer = 0;  // Int, Bool, Color (index), Char
  OdString text;
  OdDbObjectId id;
  static OdDbDimVarValue defaultOf(OdDbDimVar var);
  bool operator==(const OdDbDimVarValue& o) const {
    return real == o.real && integer == o.integer && text == o.text && id == o.id;
  }
};

// Whether a file can hold the value: reals finite, integers of 16 bits.
bool odDbDimVarIsValid(OdDbDimVar var, const OdDbDimVarValue& value);

// The C++ type of each kind and its conversion to and from a value.
template <OdDbDimVarKind K> struct OdDbDimVarType;
template <> struct OdDbDimVarType<OdDbDimVarKind::Real> {
  typedef double T;
  static T get(const OdDbDimVarValue& v) { return v.real; }
  static void put(OdDbDimVarValue& v, T x) { v.real = x; }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::Int> {
  typedef int T;
  static T get(const OdDbDimVarValue& v) { return v.integer; }
  static void put(OdDbDimVarValue& v, T x) { v.integer = x; }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::Bool> {
  typedef bool T;
  static T get(const OdDbDimVarValue& v) { return v.integer != 0; }
  static void put(OdDbDimVarValue& v, T x) { v.integer = x ? 1 : 0; }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::Color> {
  typedef OdCmColor T;
  static T get(const OdDbDimVarValue& v) { return OdCmColor::fromIndex(OdInt16(v.integer)); }
  static void put(OdDbDimVarValue& v, const T& x) { v.integer = x.colorIndex(); }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::Char> {
  typedef wchar_t T;
  static T get(const OdDbDimVarValue& v) { return wchar_t(v.integer); }
  static void put(OdDbDimVarValue& v, T x) { v.integer = int(x); }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::String> {
  typedef OdString T;
  static T get(const OdDbDimVarValue& v) { return v.text; }
  static void put(OdDbDimVarValue& v, const T& x) { v.text = x; }
};
template <> struct OdDbDimVarType<OdDbDimVarKind::Id> {
  typedef OdDbObjectId T;
  static T get(const OdDbDimVarValue& v) { return v.id; }
  static void put(OdDbDimVarValue& v, const T& x) { v.id = x; }
};

// Typed getter and setter of every setting, for a class with
//   OdDbDimVarValue dimVar(OdDbDimVar) const and OdResult setDimVar(OdDbDimVar, const OdDbDimVarValue&).
#define KD_DIM_VAR_ACCESSORS(name, Name, code, Kind, def)                                        \
  OdDbDimVarType<OdDbDimVarKind::Kind>::T name() const {                                         \
    return OdDbDimVarType<OdDbDimVarKind::Kind>::get(dimVar(OdDbDimVar::name));                  \
  }                                                                                              \
  OdResult set##Name(const OdDbDimVarType<OdDbDimVarKind::Kind>::T& value) {                     \
    OdDbDimVarValue v = OdDbDimVarValue::defaultOf(OdDbDimVar::name);                            \
    OdDbDimVarType<OdDbDimVarKind::Kind>::put(v, value);                                         \
    return setDimVar(OdDbDimVar::name, v);                                                       \
  }

class OdDbObject;
// Entities that hold their own values of some settings over a dimension
// style: dimensions, leaders and tolerance frames.
class OdDbDimVarHolder {
public:
  virtual ~OdDbDimVarHolder() = default;
  virtual OdDbObjectId dimensionStyle() const = 0;
  virtual OdResult setDimensionStyle(OdDbObjectId style) = 0;  // a dimension style record
  // The setting as the entity shows it: its own value where it has one,
  // else its style's, else the default.
  virtual OdDbDimVarValue dimVar(OdDbDimVar var) const = 0;
  // Gives the entity its own value of the setting; the style keeps its.
  virtual OdResult setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) = 0;
  virtual bool hasOverride(OdDbDimVar var) const = 0;
};

// The entity's own values live in the "DSTYLE" list of its "ACAD" extended data.
OdDbDimVarValue odDbDimVarOf(const OdDbObject& entity, OdDbObjectId style, OdDbDimVar var);
bool odDbHasDimVarOverride(const OdDbObject& entity, OdDbDimVar var);
OdResult odDbSetDimVarOverride(OdDbObject& entity, OdDbDimVar var, const OdDbDimVarValue& value);
