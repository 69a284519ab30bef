// Conversion between the binary form format and its text form:
//
//   object frmMain: TfrmMain
//     Caption = 'Drums' + #13#10
//     Font.Style = [fsBold]
//     Items.Strings = (
//       'one'
//       'two')
//     Data = {0A0B0C}
//     List = <
//       item
//         Name = 'Kick'
//       end>
//     object btnOk: TButton
//       OnClick = btnOkClick
//     end
//   end
//
// Text written here reads back to the same bytes. Text lines end in CR LF;
// the reader also takes LF alone. What cannot make that trip is refused:
// infinity and NaN have no text, integers and currency (read exactly, as
// decimals) must fit in 64 bits, Null cannot stand inside a list (it is the
// list's end mark), and nesting deeper than MaxFormNesting fails either way.
#pragma once

#include <string>

#include "platform/vcl/rtl/Exceptions.h"

class TStream;

// A syntax error in a text form; the message names the line.
DRUMS_DECLARE_EXCEPTION(EParserError, EStreamError);

// Both convert from the input's position to the output's position.
void ObjectBinaryToText(TStream* input, TStream* output);
void ObjectTextToBinary(TStream* input, TStream* output);
// The same for a binary form inside a component-resource header; the text
// becomes a resource named by the root's class name in capitals.
void ObjectResourceToText(TStream* input, TStream* output);
void ObjectTextToResource(TStream* input, TStream* output);
// The class name of the root of the binary form at the input's position
// (which the resource of a form is named after, in capitals).
std::string ObjectRootClassName(TStream* input);
