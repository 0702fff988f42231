#pragma once
// Units of length a drawing or a block definition is drawn in (the codes
// files use for insertion units).
namespace OdDb {
enum UnitsValue : int {
  kUnitsUndefined = 0,
  kUnitsInches = 1,
  kUnitsFeet = 2,
  kUnitsMiles = 3,
  kUnitsMillimeters = 4,
  kUnitsCentimeters = 5,
  kUnitsMeters = 6,
  kUnitsKilometers = 7,
  kUnitsMicroinches = 8,
  kUnitsMils = 9,
  kUnitsYards = 10,
  kUnitsAngstroms = 11,
  kUnitsNanometers = 12,
  kUnitsMicrons = 13,
  kUnitsDecimeters = 14,
  kUnitsDekameters = 15,
  kUnitsHectometers = 16,
  kUnitsGigameters = 17,
  kUnitsAstronomical = 18,
  kUnitsLightYears = 19,
  kUnitsParsecs = 20,
  kUnitsUSSurveyFeet = 21,
  kUnitsUSSurveyInch = 22,
  kUnitsUSSurveyYard = 23,
  kUnitsUSSurveyMile = 24,
  kUnitsMax = kUnitsUSSurveyMile
};
}  // namespace OdDb
