// The entry table against the host interface written out on its own: every
// entry's argument widths, result width and answer when the host lacks it. The
// other entry tests show that the entries do what the table says; this one
// shows that the table says what the interface is.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <string>

namespace {

// Grouped by what an entry does when the host lacks its function. In the last
// group "= n" is the fixed answer, "= own" an entry whose written-out
// behaviour answers for it (tested with that entry).
const char* const kRequired =
    "FX_LoadTGF (u, s, s, s, s, w) -> host; FX_InsertEXENTRY (w, s, s, w) -> s; FX_DeleteEXENTRY (w, s, s, w) -> s; "
    "FX_SaveTGF (w, w) -> s; FX_FreeTGF (w, w) -> host; FX_RebeamRegion (w, w, w) -> s; "
    "FX_RebarRegion (w, u, s, s, s, w) -> s; FX_AlertMessage (w, u, w, w, w) -> s; FX_LoadEData (w, w, w, w, w) -> s; "
    "FX_SaveEData (w, w, w, w, w) -> s; FX_CreateEData (w, w, w, w, w) -> s; FX_DeleteEData (w, w, w) -> s; "
    "FX_PreviousEData (w, w, w, w, w) -> s; FX_NextEData (w, w, w, w, w) -> s; FX_Dialog (s, w, w, s, w, w) -> host; "
    "FX_EndDialog (w, w) -> host; FX_EnableDlgItem (w, w, s, w) -> host; FX_SetDlgFocus (w, w, w) -> host; "
    "FX_GetDlgCntlVal (w, w, w, s, w) -> host; FX_SetDlgCntlVal (w, w, w, w, w) -> host; "
    "FX_SlotToInst (s, u, w) -> s; FX_InstToSlot (s, u, w) -> s; FX_ScrollTo (s, s, w) -> host; "
    "FX_Playback (s, s, s, u, w) -> host; FX_ListenToMidi (w, w, w) -> s; FX_FontNameToNum (w, w) -> s; "
    "FX_FontNumToName (s, w, w) -> s; FX_GetCurERegions (w, w, w, w) -> s; FX_RedrawMusic (w, w) -> host; "
    "FX_CopyMidi (w, w, w, w) -> s; FX_PasteMidi (w, w, w, w) -> s; FX_NoteToMidi (w, s, w) -> s; "
    "FX_NoteMover (w, w, s, s, s, w) -> host; FX_GetKeySig (s, s, s, w, w) -> s; FX_SelectNote (w, s, w) -> host; "
    "FX_SetTimer (w, s, w, w) -> host; FX_GetDlgItemUser (w, w, s, w, w) -> host; "
    "FX_SetDlgItemUser (w, w, s, d, w) -> host; FX_MidiNoteToString (s, w, s, s, w) -> host; "
    "FX_StringToMidiNote (w, w) -> s; FX_GetSyllable (w, w, w, w, w) -> host; "
    "FX_SyllableInfo (w, s, s, w, s, w, w, w, w, w) -> s; FX_ParseCaretCommand (w, w, w, w, w) -> host; "
    "FX_UpdateLayout (s, s, w) -> host; FX_GetEntryMetrics (s, s, w, w, w, s, w) -> s; "
    "FX_GetTGFEntryMetrics (w, w, w, s, w) -> s; FX_FontDialog (w, w, w, s, s, w) -> s; "
    "FX_SymbolDialog (w, w, w, w) -> s; FX_SelectionDialog (w, s, w, w, w) -> s; "
    "FX_GetMeasureDuration (s, s, w) -> host; FX_GetTGFDuration (w, w) -> host; FX_ReduceEntries (w, w) -> host; "
    "FX_StartMassEdit (w, w, w) -> host; FX_EndMassEdit (w, s, w) -> host; FX_MassEditProgress (w, s, s, s, s, w) -> s; "
    "FX_GetShowLayer (s, w) -> s; FX_GetDlgItemVal (w, w, s, w) -> host; FX_SetDlgItemVal (w, w, s, w, w) -> host; "
    "FX_GetDlgString (w, w, w, s, w) -> host; FX_SetDlgString (w, w, w, w) -> host";

const char* const kAnswerZero =
    "FX_KillTimer (w, s, w) -> host; FX_SetCurERegion (w, w) -> host; FX_SetCurrentEnigmaDocument (s, w) -> s; "
    "FX_GetCurrentEnigmaDocument (w) -> s; FX_GetNextEnigmaDocument (s, w) -> s; FX_GetFinalePath (w, w, w) -> s; "
    "FX_GetGraphicPath (w, w, w, w, w) -> s; FX_CreateGraphic (w, s, w, w, w, w, w) -> s; "
    "FX_StartFinaleEdit (w, w) -> host; FX_GetDocumentPath (s, w, w) -> s; "
    "FX_SelectExpressionDialog (w, w, w, w, w) -> s; FX_MassMover (w, w, w) -> s; FX_RebuildMenuSystem (u, w) -> host; "
    "FX_EnableBusyDetection (s, w) -> s; FX_ExecuteMenuItem (w, w) -> s; FX_AnalyzeChord (w, w, w, w) -> s; "
    "FX_InsertMeasures (s, s, s, w) -> s; FX_DeleteMeasures (s, s, s, w) -> s; FX_NewEnigmaDocument (w) -> s; "
    "FX_CloseEnigmaDocument (s, w) -> s; FX_IsEnigmaDocumentDirty (s, w) -> s; "
    "FX_SetEnigmaDocumentDirty (s, s, w) -> host; FX_GetPrintSettings (w, w) -> host; "
    "FX_PrintCurrentDocument (w, w) -> s; FX_PrintDocument (s, w, w) -> s; FX_PrintDocuments (w, s, w, w) -> host; "
    "FX_OpenDocument (w, s, s, s, s, s, w) -> s; FX_CloseCurrentDocumentWindow (w) -> s; "
    "FX_SaveDocument (w, s, s, w) -> s; FX_DeleteMidiExpressions (s, s, w) -> host; "
    "FX_DeleteTempoRecords (s, w) -> host; FX_GetWindowCount (w) -> s; FX_GetWindowInfoList (w, s, w) -> s; "
    "FX_GetCurrentWindowInfo (w, w) -> s; FX_GetCurrentWindow (w) -> host; FX_SetCurrentWindow (w, w) -> s; "
    "FX_QueryK2Slot (w, w, w, w, w, w, w) -> s; "
    "FX_QueryAriaSlot (w, w, w, w, w, w, w, w, w, w, w, w, w, w, w, w, w, w, w, w) -> s; "
    "FX_SetCurrentPartID (s, w) -> host; FX_SetCurrentPartInView (s, w) -> host; FX_CopyCutMusic (w, s, w) -> host; "
    "FX_InsertMergeMusic (w, w, b, w) -> b; FX_DisposeFinClipFileToken (w, w) -> b; "
    "FX_SetDefaultMusicFont (s, s, u, w) -> b; FX_OpenHelpItem (w, w) -> host; FX_GetSMPParts (w, w) -> host; "
    "FX_AutoRehearsalInsert (s, s, s, w, s, w) -> s; FX_GetPercMapRefData (u, w, w, s, w) -> s; "
    "FX_CreatePercMapRefData (w, w, w) -> u; FX_GetEntryMetrics2009a (s, s, w, w, w, s, w) -> s; "
    "FX_GetTGFEntryMetrics2009a (w, w, w, s, w) -> s; FX_GetMeasureMetrics (s, s, w, s, w) -> s; "
    "FX_FreeEntryMetrics (w, w) -> host; FX_FreeMeasureMetrics (w, w) -> host";

const char* const kAnswerOther =
    "FX_GetMaxLayers (w) -> s = 4; FX_ShowHideDlgItem (w, w, s, w) -> host = own; FX_EndFinaleEdit (w) -> s = own; "
    "FX_CancelFinaleEdit (w) -> host = own; FX_ProcessMidiData (w, w) -> host = -1; FX_GetCurrentPartID (w) -> s = -1; "
    "FX_GetNextPartID (s, w) -> s = -1; FX_GetPartName (s, w) -> host = own; FX_CountParts (w) -> host = -1; "
    "FX_GetTextEncoding (w) -> host = -2; FX_GetPlaybackSystem (w) -> s = -1";

struct Shape {
  std::string arguments;  // "u, s, w"
  std::string result;     // s, u, b or host
  std::string missing;    // required, a number, or own
};

std::map<std::string, Shape> written_out() {
  std::map<std::string, Shape> shapes;
  const std::regex entry(R"((FX_\w+) \(([a-z, ]+)\) -> (\w+)(?: = (-?\d+|own))?)");
  const std::pair<const char*, const char*> groups[] = {{kRequired, "required"}, {kAnswerZero, "0"}, {kAnswerOther, ""}};
  for (const auto& [list, missing] : groups) {
    const std::string text = list;
    for (std::sregex_iterator m(text.begin(), text.end(), entry), end; m != end; ++m)
      shapes[(*m)[1]] = {(*m)[2], (*m)[3], (*m)[4].matched ? (*m)[4].str() : missing};
  }
  return shapes;
}

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string result_name(const std::string& narrowing) {
  if (narrowing == "S16") return "s";
  if (narrowing == "U16") return "u";
  if (narrowing == "U8") return "b";
  return narrowing == "WORD" ? "host" : "?" + narrowing;
}

TEST(FxEntryTable, EveryEntryHasTheWidthsAndMissingAnswerOfTheHostInterface) {
  const std::map<std::string, Shape> expected = written_out();
  ASSERT_EQ(expected.size(), 125u) << "the written-out interface itself";
  std::map<std::string, Shape> table;
#define FX_ENTRY(name, result, missing, answer, written, ...) \
  table[#name] = {lower(#__VA_ARGS__), result_name(#result), std::string(#missing) == "REQUIRED" ? "required" : #answer};
#include "host/fx_entry_table.h"
#undef FX_ENTRY
  EXPECT_EQ(table.size(), expected.size());
  for (const auto& [name, shape] : expected) {
    const auto it = table.find(name);
    ASSERT_NE(it, table.end()) << name << " is not in the table";
    EXPECT_EQ(it->second.arguments, shape.arguments) << name;
    EXPECT_EQ(it->second.result, shape.result) << name;
    if (shape.missing != "own") {
      EXPECT_EQ(it->second.missing, shape.missing) << name;
    }
  }
}

}  // namespace
