#pragma once
// Lights: a lamp at a position (and, for spotlights, aimed at a target)
// with its colour, intensity, attenuation and shadows. A light's
// photometric record ("ADSK_XREC_PHOTOMETRICLIGHTINFO") says whether it is
// targeted (76) and whether it spreads light by a web (290, with the web
// file as 1); a web light is stored as a point light with that mark.
#include "Db/DbEntity.h"

class OdDbLight : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbLight)
public:
  enum LightType { kDistantLight = 1, kPointLight = 2, kSpotLight = 3, kWebLight = 10 };
  enum AttenuationType { kNone = 0, kInverseLinear = 1, kInverseSquare = 2 };
  struct Attenuation {
    int type = kInverseSquare;
    bool useLimits = false;
    double startLimit = 1.0, endLimit = 10.0;
  };
  struct ShadowParameters {
    bool shadowsOn = true;
    int shadowType = 0;  // 0 sharp (ray traced), 1 shadow map
    int shadowMapSize = 256;
    int shadowSoftness = 1;
  };

  OdString name() const;
  OdResult setName(const OdString& name);
  int lightType() const;
  // Web lights keep their mark in the photometric record, made when needed.
  OdResult setLightType(int type);
  bool isOn() const;
  void setOn(bool on);
  bool isPlottable() const;
  void setIsPlottable(bool plottable);
  double intensity() const;
  OdResult setIntensity(double intensity);
  // The lamp's colour is the entity's colour.
  OdCmColor lightColor() const { return color(); }
  OdResult setLightColor(const OdCmColor& c) { return setColor(c); }
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& p);
  OdGePoint3d targetLocation() const;
  OdResult setTargetLocation(const OdGePoint3d& p);
  // Cone angles in radians.
  double hotspotAngle() const;
  double falloffAngle() const;
  OdResult setHotspotAndFalloff(double hotspot, double falloff);
  Attenuation attenuation() const;
  OdResult setAttenuation(const Attenuation& a);
  ShadowParameters shadowParameters() const;
  OdResult setShadowParameters(const ShadowParameters& s);
  // Whether the photometric record marks the light as aimed at its target.
  bool isTargeted() const;
  OdResult setTargeted(bool targeted);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  // Sets a flag of the photometric record, making the record when the flag is to be set.
  OdResult setPhotometricFlag(int code, bool on);
  int m_version = 0;
  OdString m_name;
  int m_type = kPointLight;
  bool m_on = true, m_plottable = false;
  double m_intensity = 1.0;
  OdGePoint3d m_position, m_target;
  double m_hotspot = 0.0, m_falloff = 0.0;
  Attenuation m_attenuation;
  ShadowParameters m_shadow;
};
typedef OdSmartPtr<OdDbLight> OdDbLightPtr;
