// The numbers of the options the program reads, named by what they set.
// The wheel's sizes, spacings and colours come in pairs, one for the window
// and one for paper.
#pragma once

namespace solvaris::opt {

enum Number : int {
    // Report orbs: options 1-15 are the orb table's entries 1-15.
    FirstReportOrb = 1,
    SextileOrb = 2,
    SquareOrb = 3,
    TrineOrb = 4,
    OppositionOrb = 5,
    ParallelOrb = 6,  // also an aspect's report orb
    QuincunxOrb = 10,
    LastReportOrb = 15,
    MinorAspects = 16,  // 1: the natal aspect list also looks for codes 12-16

    SolarArcByAge = 17,  // 1: the arc grows a fixed 59'08" a year
    // Defaults of the natal entry window and its Now button.
    HomeZone = 18,
    HomeLongitudeDegrees = 19,
    HomeLongitudeMinutes = 20,
    HomeEast = 21,
    HomeLatitudeDegrees = 22,
    HomeLatitudeMinutes = 23,
    HomeSouth = 24,
    LunationOrb = 25,
    StartHouseSystem = 27,
    LabelOrder = 28,  // 0: the American wheel's labels read from the outside in
    PrintedLinesPerPage = 30,
    PartOfFortuneFormula = 33,
    SavedLinesPerPage = 45,
    WheelAspectLines = 47,  // 1: a single wheel draws its aspect lines

    // The natal-to-second-person aspect grid's orbs.
    GridMajorOrb = 55,
    GridNodeOrb = 56,
    GridLuminaryOrb = 57,
    GridMinorOrb = 58,

    ScreenGlyphSpacingX = 60,
    ScreenDigitSpacingX = 61,
    ScreenGlyphSpacingY = 62,
    ScreenDigitSpacingY = 63,
    PrinterGlyphSpacingX = 64,
    PrinterDigitSpacingX = 65,
    PrinterGlyphSpacingY = 66,
    PrinterDigitSpacingY = 67,

    ScreenHeadingSize = 68,
    ScreenCuspDigitSize = 69,
    ScreenCuspSignSize = 70,
    ScreenCuspMinuteSize = 71,
    ScreenPointGlyphSize = 72,
    ScreenLabelDegreeSize = 73,
    ScreenLabelSignSize = 74,
    ScreenLabelMinuteSize = 75,
    ScreenRetrogradeSize = 76,
    AspectGlyphSize = 77,
    PrinterHeadingSize = 78,
    PrinterCuspDigitSize = 79,  // also the printed cusp minutes
    PrinterCuspSignSize = 80,
    PrinterPointGlyphSize = 82,
    PrinterLabelDegreeSize = 83,
    PrinterLabelSignSize = 84,
    PrinterLabelMinuteSize = 85,
    PrinterRetrogradeSize = 86,

    ScreenHeadingColour = 88,
    ScreenCuspDigitColour = 89,
    ScreenCuspSignColour = 90,
    ScreenCuspMinuteColour = 91,
    ScreenPointGlyphColour = 92,
    ScreenLabelDegreeColour = 93,
    ScreenLabelSignColour = 94,
    ScreenLabelMinuteColour = 95,
    ScreenRetrogradeColour = 96,
    ScreenHarmoniousLineColour = 97,  // sextile and trine
    ScreenTenseLineColour = 98,       // square and opposition
    ScreenQuincunxLineColour = 99,
    ScreenBackgroundColour = 100,
    ScreenCircleColour = 101,
    ScreenHouseLineColour = 102,
    PrinterHeadingColour = 103,
    PrinterCuspDigitColour = 104,
    PrinterCuspSignColour = 105,
    PrinterCuspMinuteColour = 106,
    PrinterPointGlyphColour = 107,
    PrinterLabelDegreeColour = 108,
    PrinterLabelSignColour = 109,
    PrinterLabelMinuteColour = 110,
    PrinterRetrogradeColour = 111,
    PrinterHarmoniousLineColour = 112,
    PrinterTenseLineColour = 113,
    PrinterQuincunxLineColour = 114,
    PrinterCircleColour = 115,
    PrinterHouseLineColour = 116,

    PrintFileWidth = 117,
    PrintedHeadingTop = 120,  // wheel units below the page's top edge
    PrintedFooterTop = 121,
    PrintedFooter = 174,  // not 0: PERSONAL.NAM's lines at the page's top right
    PrintedFooterSize = 175,
    PrintedFooterColour = 176,
    PrintedFooterRightMargin = 177,
    PrintedAspectGrid = 178,  // not 0: a full-page wheel prints its aspect grid
    PrintedGridLeft = 179,
    PrintedConjunctionColour = 181,
    PrintedHarmoniousColour = 182,
    PrintedTenseColour = 183,
    PrintedQuincunxColour = 184,
    PrintedSemiSquareColour = 185,  // and sesquisquare
    PrintedQuintileColour = 186,    // and bi-quintile
    PrintedMinorColour = 187,
    PrintedGridTop = 188,  // a fraction of the page height
    PrintedGridSpacing = 189,
    PrintedSecondHeadingTop = 191,  // a fraction of the page height
    ScreenLargeMinutes = 193,       // minute size from which their steps shrink
    ScreenMinuteLift = 194,
    PrinterLargeMinutes = 195,
    PrinterMinuteLift = 196,
    PrintedTripleWithoutHouseNumbers = 199,
    PrintedTriplePointGlyphSize = 200,
    PrintedTripleMinuteSize = 203,
    PrintedTripleRetrogradeSize = 204,

    OrbScheme = 208,  // not 0: planet-class orbs with the shipped orb files
    WheelPlacementFromSettings = 209,
    NatalChartAtStart = 210,
    NatalReportNotKept = 211,
    ProgressedAnglesByTime = 212,  // 0: the progressed angles move by the solar arc
    SecondChartOutside = 216,
    // Beyond the numbers of the first options file, so that a file without
    // it keeps the built-in theories.
    PositionsEngine = 217,  // 1: Swiss Ephemeris, otherwise the built-in theories
    // A line of text, not a value: "Swiss Ephemeris files: DIR". No line
    // (today's files) leaves the folder to $SE_EPHE_PATH.
    PositionsFilesFolder = 218,
    Zodiac = 219,    // 1: sidereal, otherwise tropical
    Ayanamsa = 220,  // 0 Lahiri, 1 Fagan/Bradley, 2 Krishnamurti, 3 Raman, 4 the user's
    UserAyanamsaDeg = 221,
    UserAyanamsaEpochYear = 222,  // a decimal year: 2000.0 is J2000
    // Not above 0, or no line: 1 degree 30'.
    MidpointOrbDeg = 223,
    // The harmonic of the natal wheel and of the harmonic report: a whole
    // number from 2 to 180; anything else (no line) is the natal chart.
    Harmonic = 224,
    ExtraPoints = 225,  // 1: Lilith, Chiron and the asteroids shown too
};

}  // namespace solvaris::opt
