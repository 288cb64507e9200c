#pragma once

#include <cstddef>
#include <cstdint>

// The records of dbx32.dll byte for byte, as the library reads and writes
// them. Every field is a 32-bit integer or a char array whose length is a
// multiple of 4, so no padding appears anywhere and the layout is the same on
// every compiler and bitness; the asserts below check that here and in the
// Windows build alike. DBX's handles and pointers are 4 bytes in the 32-bit
// process that loads the library and are mirrored as 32-bit integers. Records
// whose fields the program never reads are mirrored by their size only.
namespace nodewick::dbx::abi {

using Long = std::int32_t;

inline constexpr std::size_t kNameLength = 100;       // names, types, values
inline constexpr std::size_t kTextItemLength = 256;   // texts, comments
inline constexpr std::size_t kAttributeLength = 256;  // attribute values
inline constexpr std::size_t kFileNameLength = 256;
inline constexpr std::size_t kFormulaLength = 512;

inline constexpr Long kLanguage = 0;

// Filled by TOpenDesign, passed to every later call, never read by us.
struct DbxContext {
    Long hConv;
    Long appInst;
    Long version;
    Long language;
    Long hWnd;
    Long hMmf;
    Long pMmf;
};

struct TCoord {
    Long x;
    Long y;
};

struct TBoundRect {
    TCoord lowerLeft;
    TCoord upperRight;
};

struct TDesign {
    char designName[kNameLength];
    char title[kNameLength];
    char designer[kNameLength];
    char version[kNameLength];
    char lastModifiedDate[kNameLength];
    char lastModifiedTime[kNameLength];
    char drawingNumber[kNameLength];
    char guidString[kNameLength];
    TCoord workSpaceSize;
    TBoundRect layerExtents;
    Long absGridId;
    Long relGridId;
    Long isGridAbsolute;
    Long userUnits;
    TCoord relGridOrigin;
    Long isModified;
    Long solderFlowDir;
};

struct TLayer {
    Long layerId;
    char layerName[kNameLength];
    Long layerType;
    Long layerBias;
    Long planeNetId;
    Long lineLineClearance;
    Long padLineClearance;
    Long padPadClearance;
    Long viaPadClearance;
    Long viaLineClearance;
    Long viaViaClearance;
    Long isEnabled;
    Long layerPosition;
};

struct TNet {
    Long netId;
    char netName[kNameLength];
    Long nodeCount;
    Long length;
    Long isPlane;
};

// The header of this DBX generation has no itemId in a component pin.
struct TCompPin {
    Long compPinNumber;
    char pinDes[kNameLength];
    Long gateNumber;
    Long symPinNumber;
    Long padNumber;
    char pinName[kNameLength];
    Long gateEq;
    Long pinEq;
    Long electype;
};

struct TPad {
    Long itemId;
    char compRefDes[kNameLength];
    Long padStyleId;
    TCoord center;
    Long layerId;
    Long isFlipped;
    Long rotationAng;
    Long isHighlighted;
    Long netId;
    TBoundRect boundRect;
    TCompPin compPin;
    char defaultPinDes[kNameLength];
    Long isFixed;
};

// Unlike a pad, a via has its net before its centre and its rotation before
// its style.
struct TVia {
    Long itemId;
    Long netId;
    TCoord center;
    Long rotationAng;
    Long viaStyleId;
    TBoundRect boundRect;
    Long isFlipped;
    Long isHighlighted;
    Long isFixed;
};

struct TComponent {
    Long compId;
    char refDes[kNameLength];
    char compType[kNameLength];
    char value[kNameLength];
    char patternName[kNameLength];
    char libraryName[kFileNameLength];
    TCoord refPoint;
    TBoundRect boundRect;
    Long rotationAng;
    Long numberPads;
    Long numberPins;
    Long numberParts;
    Long isAlpha;
    Long isFlipped;
    Long isHighlighted;
    Long isHetero;
    Long connectionType;
    Long isFixed;
    Long numberGraphics;
    char currentGraphicName[kNameLength];
    char defaultGraphicName[kNameLength];
    Long isAutoSwapGraphic;
};

struct TAttribute {
    Long itemId;
    char type[kNameLength];  // the attribute's name
    char value[kAttributeLength];
    char formula[kFormulaLength];
    char comment[kTextItemLength];
    Long typeLength;
    Long valueLength;
    Long formulaLength;
    Long commentLength;
    Long textStyleId;
    Long justPoint;
    TCoord refPoint;
    TBoundRect boundRect;
    Long rotationAng;
    Long compId;
    Long netId;
    Long netClassId;
    Long layerId;
    Long isFlipped;
    Long isHighlighted;
    Long isVisible;
    Long units;
};

struct TPadViaStyle {
    Long styleId;
    Long styleType;
    char name[kNameLength];
    Long holeDia;
    Long isHolePlated;
    Long xOffset;
    Long yOffset;
    Long holeStartLayer;
    Long holeEndLayer;
    Long drillSymbol;
};

struct TPadViaShape {
    Long layerId;
    Long layerType;  // -1 when the layer does not exist
    Long styleType;
    Long shape;
    Long holeDia;
    Long width;
    Long height;
    Long outerDia;
    Long innerDia;
    Long spokeWidth;
    Long isPourNoConn;
};

struct TLine {
    Long itemId;
    Long lineType;
    Long width;
    TCoord startPt;
    TCoord endPt;
    TBoundRect boundRect;
    Long netId;
    Long layerId;
    Long isHighlighted;
    Long isFixed;
};

struct TArc {
    Long itemId;
    Long width;
    Long radius;
    TCoord centerPt;
    Long startAng;
    Long sweepAng;
    TBoundRect boundRect;
    Long netId;
    Long layerId;
    Long isHighlighted;
    Long isFixed;
};

struct TNetClass {
    Long netClassId;
    char netClassName[kNameLength];
    Long numberOfNets;
};

struct TPoint {
    Long itemId;
    Long x;
    Long y;
    Long pointType;
    Long number;
    char textInfo[kTextItemLength];
    Long layerId;
    Long isFlipped;
    Long isVisible;
    Long isHighlighted;
    Long ruleCategory;
    Long ruleType;
    Long violationType;
    Long placementSide;
    Long isSnapToCenter;
    Long netId;
    Long isFixed;
};

struct TText {
    Long itemId;
    Long textStyleId;
    char text[kTextItemLength];
    Long layerId;
    Long justPoint;
    TCoord refPoint;
    TBoundRect boundRect;
    Long rotationAng;
    Long isFlipped;
    Long isVisible;
    Long isHighlighted;
};

// A record mirrored by its size alone.
template <std::size_t Size>
struct Opaque {
    static_assert(Size % 4 == 0);
    unsigned char bytes[Size];
};

using TBus = Opaque<136>;
using TClassToClass = Opaque<208>;
using TDetail = Opaque<804>;
using TDiagram = Opaque<556>;
using TField = Opaque<300>;
using TGrid = Opaque<260>;
using TMetaFile = Opaque<32>;
using TPattern = Opaque<116>;
using TPin = Opaque<496>;
using TPoly = Opaque<40>;
using TPort = Opaque<44>;
using TPour = Opaque<60>;
using TPrintJob = Opaque<264>;
using TRoom = Opaque<164>;
using TSymbol = Opaque<456>;
using TTable = Opaque<312>;
using TTextStyle = Opaque<224>;
using TWire = Opaque<44>;
using TCompGraphic = Opaque<112>;

// Not a union: one of every item record after the type, and the library
// fills the one the type names.
struct TItem {
    Long itemType;
    TArc arc;
    TAttribute attribute;
    TBus bus;
    TClassToClass classToClass;
    TComponent component;
    TCompPin compPin;
    TDesign design;
    TDetail detail;
    TDiagram diagram;
    TField field;
    TGrid grid;
    TLayer layer;
    TLine line;
    TMetaFile metaFile;
    TNet net;
    TNetClass netClass;
    TPad pad;
    TPadViaShape padViaShape;
    TPadViaStyle padViaStyle;
    TPattern pattern;
    TPin pin;
    TPoint point;
    TPoly poly;
    TPort port;
    TPour pour;
    TPrintJob printJob;
    TRoom room;
    TSymbol symbol;
    TTable table;
    TText text;
    TTextStyle textStyle;
    TVia via;
    TWire wire;
    TCompGraphic compGraphic;
};

// Sizes.
static_assert(sizeof(DbxContext) == 28);
static_assert(sizeof(TCoord) == 8);
static_assert(sizeof(TBoundRect) == 16);
static_assert(sizeof(TDesign) == 856);
static_assert(sizeof(TLayer) == 148);
static_assert(sizeof(TNet) == 116);
static_assert(sizeof(TCompPin) == 228);
static_assert(sizeof(TPad) == 484);
static_assert(sizeof(TVia) == 52);
static_assert(sizeof(TComponent) == 932);
static_assert(sizeof(TAttribute) == 1212);
static_assert(sizeof(TPadViaStyle) == 136);
static_assert(sizeof(TPadViaShape) == 44);
static_assert(sizeof(TLine) == 60);
static_assert(sizeof(TArc) == 60);
static_assert(sizeof(TNetClass) == 108);
static_assert(sizeof(TPoint) == 320);
static_assert(sizeof(TText) == 312);
static_assert(sizeof(TItem) == 9700);
static_assert(offsetof(TText, refPoint) == 272);
static_assert(offsetof(TText, boundRect) == 280);
static_assert(offsetof(TPoint, textInfo) == 20);
static_assert(offsetof(TPoint, placementSide) == 304);

// The design record.
static_assert(offsetof(TDesign, title) == 100);
static_assert(offsetof(TDesign, designer) == 200);
static_assert(offsetof(TDesign, version) == 300);
static_assert(offsetof(TDesign, drawingNumber) == 600);
static_assert(offsetof(TDesign, workSpaceSize) == 800);
static_assert(offsetof(TDesign, layerExtents) == 808);
static_assert(offsetof(TDesign, userUnits) == 836);
static_assert(offsetof(TDesign, solderFlowDir) == 852);

// Layer and net.
static_assert(offsetof(TLayer, layerName) == 4);
static_assert(offsetof(TLayer, layerType) == 104);
static_assert(offsetof(TLayer, planeNetId) == 112);
static_assert(offsetof(TLayer, isEnabled) == 140);
static_assert(offsetof(TLayer, layerPosition) == 144);
static_assert(offsetof(TNet, netName) == 4);
static_assert(offsetof(TNet, nodeCount) == 104);
static_assert(offsetof(TNet, isPlane) == 112);

// The item record's members.
static_assert(offsetof(TItem, arc) == 4);
static_assert(offsetof(TItem, attribute) == 64);
static_assert(offsetof(TItem, bus) == 1276);
static_assert(offsetof(TItem, classToClass) == 1412);
static_assert(offsetof(TItem, component) == 1620);
static_assert(offsetof(TItem, compPin) == 2552);
static_assert(offsetof(TItem, design) == 2780);
static_assert(offsetof(TItem, detail) == 3636);
static_assert(offsetof(TItem, diagram) == 4440);
static_assert(offsetof(TItem, field) == 4996);
static_assert(offsetof(TItem, grid) == 5296);
static_assert(offsetof(TItem, layer) == 5556);
static_assert(offsetof(TItem, line) == 5704);
static_assert(offsetof(TItem, metaFile) == 5764);
static_assert(offsetof(TItem, net) == 5796);
static_assert(offsetof(TItem, netClass) == 5912);
static_assert(offsetof(TItem, pad) == 6020);
static_assert(offsetof(TItem, padViaShape) == 6504);
static_assert(offsetof(TItem, padViaStyle) == 6548);
static_assert(offsetof(TItem, pattern) == 6684);
static_assert(offsetof(TItem, pin) == 6800);
static_assert(offsetof(TItem, point) == 7296);
static_assert(offsetof(TItem, poly) == 7616);
static_assert(offsetof(TItem, port) == 7656);
static_assert(offsetof(TItem, pour) == 7700);
static_assert(offsetof(TItem, printJob) == 7760);
static_assert(offsetof(TItem, room) == 8024);
static_assert(offsetof(TItem, symbol) == 8188);
static_assert(offsetof(TItem, table) == 8644);
static_assert(offsetof(TItem, text) == 8956);
static_assert(offsetof(TItem, textStyle) == 9268);
static_assert(offsetof(TItem, via) == 9492);
static_assert(offsetof(TItem, wire) == 9544);
static_assert(offsetof(TItem, compGraphic) == 9588);

// The pad, its pin and the via, within their records.
static_assert(offsetof(TPad, compRefDes) == 4);
static_assert(offsetof(TPad, padStyleId) == 104);
static_assert(offsetof(TPad, center) == 108);
static_assert(offsetof(TPad, layerId) == 116);
static_assert(offsetof(TPad, isFlipped) == 120);
static_assert(offsetof(TPad, rotationAng) == 124);
static_assert(offsetof(TPad, netId) == 132);
static_assert(offsetof(TPad, compPin) == 152);
static_assert(offsetof(TPad, defaultPinDes) == 380);
static_assert(offsetof(TPad, isFixed) == 480);
static_assert(offsetof(TCompPin, pinDes) == 4);
static_assert(offsetof(TCompPin, padNumber) == 112);
static_assert(offsetof(TCompPin, pinName) == 116);
static_assert(offsetof(TCompPin, electype) == 224);
static_assert(offsetof(TVia, netId) == 4);
static_assert(offsetof(TVia, center) == 8);
static_assert(offsetof(TVia, rotationAng) == 16);
static_assert(offsetof(TVia, viaStyleId) == 20);
static_assert(offsetof(TVia, isFlipped) == 40);
static_assert(offsetof(TVia, isFixed) == 48);

// Component, attribute, style and shape.
static_assert(offsetof(TComponent, compType) == 104);
static_assert(offsetof(TComponent, libraryName) == 404);
static_assert(offsetof(TComponent, refPoint) == 660);
static_assert(offsetof(TComponent, numberPads) == 688);
static_assert(offsetof(TComponent, isFlipped) == 704);
static_assert(offsetof(TComponent, currentGraphicName) == 728);
static_assert(offsetof(TComponent, isAutoSwapGraphic) == 928);
static_assert(offsetof(TItem, component) + offsetof(TComponent, refDes) == 1624);
static_assert(offsetof(TItem, component) + offsetof(TComponent, numberPads) == 2308);
static_assert(offsetof(TItem, component) + offsetof(TComponent, isFlipped) == 2324);
static_assert(offsetof(TAttribute, value) == 104);
static_assert(offsetof(TAttribute, formula) == 360);
static_assert(offsetof(TAttribute, comment) == 872);
static_assert(offsetof(TAttribute, typeLength) == 1128);
static_assert(offsetof(TAttribute, refPoint) == 1152);
static_assert(offsetof(TAttribute, units) == 1208);
static_assert(offsetof(TPadViaStyle, name) == 8);
static_assert(offsetof(TPadViaStyle, holeDia) == 108);
static_assert(offsetof(TPadViaStyle, isHolePlated) == 112);
static_assert(offsetof(TPadViaStyle, holeStartLayer) == 124);
static_assert(offsetof(TPadViaStyle, holeEndLayer) == 128);
static_assert(offsetof(TPadViaStyle, drillSymbol) == 132);
static_assert(offsetof(TPadViaShape, shape) == 12);
static_assert(offsetof(TPadViaShape, width) == 20);
static_assert(offsetof(TPadViaShape, height) == 24);
static_assert(offsetof(TPadViaShape, isPourNoConn) == 40);

}  // namespace nodewick::dbx::abi
