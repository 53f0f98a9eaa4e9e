/* The text engine's handle kinds, value kinds and result codes.
 *
 * Every text-engine suite works on one kind of reference-counted handle and begins with the
 * same three operations, in this order: add a reference, release a reference (a null handle
 * is accepted), test for null. Every other operation returns an ATEErr and hands results
 * back through out-parameters, written only on success; a handle handed out that way
 * carries one reference for the receiver. */
#ifndef ZARVEL_SDK_ATE_TYPES_H
#define ZARVEL_SDK_ATE_TYPES_H

#include "../HostTypes.h"

typedef int32_t ATEErr;

enum {
  kATENoError = 0,
  /* A null or released handle, or an argument the operation cannot take. */
  kATEBadParameterErr = ZV_FOUR_CHAR('A', 'T', 'E', 'p'),
  /* An index outside the object. */
  kATEOutOfRangeErr = ZV_FOUR_CHAR('A', 'T', 'E', 'r'),
  /* The engine could not allocate the object. */
  kATEOutOfMemoryErr = ZV_FOUR_CHAR('A', 'T', 'E', 'm')
};

/* The engine's attribute values, all carried as 32-bit integers. */
typedef int32_t ComposerEngine;
typedef int32_t ParagraphDirection;
typedef int32_t JustificationMethod;
typedef int32_t DirOverride;
typedef int32_t DigitSet;
typedef int32_t DiacVPos;
typedef int32_t Kashidas;

/* The 86 text-engine suites, each as X(kind, version), in the order the module acquires
 * them. The suite of a kind is named "ATE " kind " Suite". */
#define ATE_SUITE_KINDS(X)              \
  X(ApplicationPaint, 1)                \
  X(CompFont, 1)                        \
  X(CompFontClass, 1)                   \
  X(CompFontClassSet, 1)                \
  X(CompFontComponent, 1)               \
  X(CompFontSet, 1)                     \
  X(GlyphRun, 1)                        \
  X(GlyphRunsIterator, 1)               \
  X(MojiKumi, 1)                        \
  X(MojiKumiSet, 1)                     \
  X(TextFrame, 101)                     \
  X(TextFramesIterator, 1)              \
  X(TextLine, 1)                        \
  X(TextLinesIterator, 1)               \
  X(TextResources, 1)                   \
  X(ApplicationTextResources, 1)        \
  X(DocumentTextResources, 101)         \
  X(VersionInfo, 1)                     \
  X(ArrayApplicationPaintRef, 1)        \
  X(ArrayReal, 1)                       \
  X(ArrayBool, 1)                       \
  X(ArrayInteger, 1)                    \
  X(ArrayLineCapType, 1)                \
  X(ArrayFigureStyle, 1)                \
  X(ArrayLineJoinType, 1)               \
  X(ArrayWariChuJustification, 1)       \
  X(ArrayStyleRunAlignment, 1)          \
  X(ArrayAutoKernType, 1)               \
  X(ArrayBaselineDirection, 1)          \
  X(ArrayLanguage, 1)                   \
  X(ArrayFontCapsOption, 1)             \
  X(ArrayFontBaselineOption, 1)         \
  X(ArrayFontOpenTypePositionOption, 1) \
  X(ArrayUnderlinePosition, 1)          \
  X(ArrayStrikethroughPosition, 1)      \
  X(ArrayParagraphJustification, 1)     \
  X(ArrayArrayReal, 1)                  \
  X(ArrayBurasagariType, 1)             \
  X(ArrayPreferredKinsokuOrder, 1)      \
  X(ArrayKinsokuRef, 1)                 \
  X(ArrayMojiKumiRef, 1)                \
  X(ArrayMojiKumiSetRef, 1)             \
  X(ArrayTabStopsRef, 1)                \
  X(ArrayLeadingType, 1)                \
  X(ArrayFontRef, 1)                    \
  X(ArrayGlyphID, 1)                    \
  X(ArrayRealPoint, 1)                  \
  X(ArrayRealMatrix, 1)                 \
  X(ArrayParagraphDirection, 1)         \
  X(ArrayJustificationMethod, 1)        \
  X(ArrayKashidas, 1)                   \
  X(ArrayDirOverride, 1)                \
  X(ArrayDigitSet, 1)                   \
  X(ArrayDiacVPos, 1)                   \
  X(CharFeatures, 101)                  \
  X(CharInspector, 101)                 \
  X(CharStyle, 1)                       \
  X(CharStyles, 1)                      \
  X(CharStylesIterator, 1)              \
  X(Find, 101)                          \
  X(Font, 1)                            \
  X(Glyph, 1)                           \
  X(Glyphs, 1)                          \
  X(GlyphsIterator, 1)                  \
  X(Kinsoku, 1)                         \
  X(KinsokuSet, 1)                      \
  X(ParaFeatures, 101)                  \
  X(Paragraph, 1)                       \
  X(ParagraphsIterator, 1)              \
  X(ParaInspector, 101)                 \
  X(ParaStyle, 1)                       \
  X(ParaStyles, 1)                      \
  X(ParaStylesIterator, 1)              \
  X(Spell, 101)                         \
  X(Stories, 1)                         \
  X(Story, 1)                           \
  X(TabStop, 1)                         \
  X(TabStops, 1)                        \
  X(TabStopsIterator, 1)                \
  X(TextRange, 1)                       \
  X(TextRanges, 1)                      \
  X(TextRangesIterator, 1)              \
  X(TextRunsIterator, 1)                \
  X(WordsIterator, 1)                   \
  X(ArrayLine, 1)                       \
  X(ArrayComposerEngine, 1)

#define ATE_SUITE_NAME(kind) "ATE " #kind " Suite"

typedef struct ApplicationPaint_Opaque *ApplicationPaintRef;
typedef struct CompFont_Opaque *CompFontRef;
typedef struct CompFontClass_Opaque *CompFontClassRef;
typedef struct CompFontClassSet_Opaque *CompFontClassSetRef;
typedef struct CompFontComponent_Opaque *CompFontComponentRef;
typedef struct CompFontSet_Opaque *CompFontSetRef;
typedef struct GlyphRun_Opaque *GlyphRunRef;
typedef struct GlyphRunsIterator_Opaque *GlyphRunsIteratorRef;
typedef struct MojiKumi_Opaque *MojiKumiRef;
typedef struct MojiKumiSet_Opaque *MojiKumiSetRef;
typedef struct TextFrame_Opaque *TextFrameRef;
typedef struct TextFramesIterator_Opaque *TextFramesIteratorRef;
typedef struct TextLine_Opaque *TextLineRef;
typedef struct TextLinesIterator_Opaque *TextLinesIteratorRef;
typedef struct TextResources_Opaque *TextResourcesRef;
typedef struct ApplicationTextResources_Opaque *ApplicationTextResourcesRef;
typedef struct DocumentTextResources_Opaque *DocumentTextResourcesRef;
typedef struct VersionInfo_Opaque *VersionInfoRef;
typedef struct ArrayApplicationPaintRef_Opaque *ArrayApplicationPaintRefRef;
typedef struct ArrayReal_Opaque *ArrayRealRef;
typedef struct ArrayBool_Opaque *ArrayBoolRef;
typedef struct ArrayInteger_Opaque *ArrayIntegerRef;
typedef struct ArrayLineCapType_Opaque *ArrayLineCapTypeRef;
typedef struct ArrayFigureStyle_Opaque *ArrayFigureStyleRef;
typedef struct ArrayLineJoinType_Opaque *ArrayLineJoinTypeRef;
typedef struct ArrayWariChuJustification_Opaque *ArrayWariChuJustificationRef;
typedef struct ArrayStyleRunAlignment_Opaque *ArrayStyleRunAlignmentRef;
typedef struct ArrayAutoKernType_Opaque *ArrayAutoKernTypeRef;
typedef struct ArrayBaselineDirection_Opaque *ArrayBaselineDirectionRef;
typedef struct ArrayLanguage_Opaque *ArrayLanguageRef;
typedef struct ArrayFontCapsOption_Opaque *ArrayFontCapsOptionRef;
typedef struct ArrayFontBaselineOption_Opaque *ArrayFontBaselineOptionRef;
typedef struct ArrayFontOpenTypePositionOption_Opaque *ArrayFontOpenTypePositionOptionRef;
typedef struct ArrayUnderlinePosition_Opaque *ArrayUnderlinePositionRef;
typedef struct ArrayStrikethroughPosition_Opaque *ArrayStrikethroughPositionRef;
typedef struct ArrayParagraphJustification_Opaque *ArrayParagraphJustificationRef;
typedef struct ArrayArrayReal_Opaque *ArrayArrayRealRef;
typedef struct ArrayBurasagariType_Opaque *ArrayBurasagariTypeRef;
typedef struct ArrayPreferredKinsokuOrder_Opaque *ArrayPreferredKinsokuOrderRef;
typedef struct ArrayKinsokuRef_Opaque *ArrayKinsokuRefRef;
typedef struct ArrayMojiKumiRef_Opaque *ArrayMojiKumiRefRef;
typedef struct ArrayMojiKumiSetRef_Opaque *ArrayMojiKumiSetRefRef;
typedef struct ArrayTabStopsRef_Opaque *ArrayTabStopsRefRef;
typedef struct ArrayLeadingType_Opaque *ArrayLeadingTypeRef;
typedef struct ArrayFontRef_Opaque *ArrayFontRefRef;
typedef struct ArrayGlyphID_Opaque *ArrayGlyphIDRef;
typedef struct ArrayRealPoint_Opaque *ArrayRealPointRef;
typedef struct ArrayRealMatrix_Opaque *ArrayRealMatrixRef;
typedef struct ArrayParagraphDirection_Opaque *ArrayParagraphDirectionRef;
typedef struct ArrayJustificationMethod_Opaque *ArrayJustificationMethodRef;
typedef struct ArrayKashidas_Opaque *ArrayKashidasRef;
typedef struct ArrayDirOverride_Opaque *ArrayDirOverrideRef;
typedef struct ArrayDigitSet_Opaque *ArrayDigitSetRef;
typedef struct ArrayDiacVPos_Opaque *ArrayDiacVPosRef;
typedef struct CharFeatures_Opaque *CharFeaturesRef;
typedef struct CharInspector_Opaque *CharInspectorRef;
typedef struct CharStyle_Opaque *CharStyleRef;
typedef struct CharStyles_Opaque *CharStylesRef;
typedef struct CharStylesIterator_Opaque *CharStylesIteratorRef;
typedef struct Find_Opaque *FindRef;
typedef struct Font_Opaque *FontRef;
typedef struct Glyph_Opaque *GlyphRef;
typedef struct Glyphs_Opaque *GlyphsRef;
typedef struct GlyphsIterator_Opaque *GlyphsIteratorRef;
typedef struct Kinsoku_Opaque *KinsokuRef;
typedef struct KinsokuSet_Opaque *KinsokuSetRef;
typedef struct ParaFeatures_Opaque *ParaFeaturesRef;
typedef struct Paragraph_Opaque *ParagraphRef;
typedef struct ParagraphsIterator_Opaque *ParagraphsIteratorRef;
typedef struct ParaInspector_Opaque *ParaInspectorRef;
typedef struct ParaStyle_Opaque *ParaStyleRef;
typedef struct ParaStyles_Opaque *ParaStylesRef;
typedef struct ParaStylesIterator_Opaque *ParaStylesIteratorRef;
typedef struct Spell_Opaque *SpellRef;
typedef struct Stories_Opaque *StoriesRef;
typedef struct Story_Opaque *StoryRef;
typedef struct TabStop_Opaque *TabStopRef;
typedef struct TabStops_Opaque *TabStopsRef;
typedef struct TabStopsIterator_Opaque *TabStopsIteratorRef;
typedef struct TextRange_Opaque *TextRangeRef;
typedef struct TextRanges_Opaque *TextRangesRef;
typedef struct TextRangesIterator_Opaque *TextRangesIteratorRef;
typedef struct TextRunsIterator_Opaque *TextRunsIteratorRef;
typedef struct WordsIterator_Opaque *WordsIteratorRef;
typedef struct ArrayLine_Opaque *ArrayLineRef;
typedef struct ArrayComposerEngine_Opaque *ArrayComposerEngineRef;

/* The three leading operations of the suite of handle kind `kind`. */
#define ATE_HANDLE_SUITE_HEAD(kind)         \
  void(ZV_API * AddRef)(kind##Ref handle);  \
  void(ZV_API * Release)(kind##Ref handle); \
  HostBool(ZV_API *IsNull)(kind##Ref handle)

/* The suite of a kind whose operations beyond the leading three the module never calls. */
#define ATE_DECLARE_HANDLE_SUITE(kind) \
  typedef struct ATE##kind##Suite {    \
    ATE_HANDLE_SUITE_HEAD(kind);       \
  } ATE##kind##Suite

#endif
