# Writes FormData.h, the window's table in C++, from frmDeb.json: INPUT and OUTPUT name them.
file(READ "${INPUT}" json)

# A JSON text as a C++ string literal; UTF-8 stays as it is.
function(form_literal text out)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# A member of the control at `index`, or `default` where the control has none.
function(form_member index name default out)
  string(JSON value ERROR_VARIABLE missing GET "${json}" controls ${index} ${name})
  if(missing)
    set(value "${default}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(form_colour index name out)
  string(JSON given ERROR_VARIABLE missing GET "${json}" controls ${index} ${name})
  if(missing)
    set(${out} "kNoColour" PARENT_SCOPE)
    return()
  endif()
  string(JSON red GET "${given}" 0)
  string(JSON green GET "${given}" 1)
  string(JSON blue GET "${given}" 2)
  set(${out} "Colour{${red}, ${green}, ${blue}}" PARENT_SCOPE)
endfunction()

string(JSON count LENGTH "${json}" controls)
math(EXPR last "${count} - 1")
set(names "")
foreach(index RANGE ${last})
  string(JSON name GET "${json}" controls ${index} name)
  list(APPEND names ${name})
endforeach()

set(kinds textbox TextBox option Option button Button label Label picture Picture frame Frame)
set(rows "")
foreach(index RANGE ${last})
  list(GET names ${index} name)
  string(JSON kind GET "${json}" controls ${index} kind)
  list(FIND kinds ${kind} at)
  if(at LESS 0 OR at GREATER_EQUAL 12)
    message(FATAL_ERROR "${INPUT}: ${name} is of no known kind (${kind})")
  endif()
  math(EXPR at "${at} + 1")
  list(GET kinds ${at} kind)
  form_member(${index} in "" frame)
  if(frame STREQUAL "")
    set(frame kInWindow)
  else()
    list(FIND names ${frame} frame)
  endif()
  set(place "")
  foreach(side RANGE 3)
    string(JSON length GET "${json}" controls ${index} place ${side})
    list(APPEND place ${length})
  endforeach()
  string(JOIN ", " place ${place})
  form_member(${index} caption "" caption)
  form_literal("${caption}" caption)
  form_member(${index} fontPoints 0 points)
  form_colour(${index} back back)
  form_colour(${index} fore fore)
  form_member(${index} centred OFF centred)
  form_member(${index} wraps ON wraps)
  foreach(flag centred wraps)
    if(${flag})
      set(${flag} true)
    else()
      set(${flag} false)
    endif()
  endforeach()
  string(APPEND rows "    {\"${name}\", Kind::${kind}, ${frame}, {${place}}, ${caption}, ${points},\n"
                     "     ${back}, ${fore}, ${centred}, ${wraps}},\n")
endforeach()
string(JOIN ",\n  " ids ${names})

string(JSON caption GET "${json}" caption)
form_literal("${caption}" caption)
string(JSON help GET "${json}" help)
form_literal("${help}" help)
string(JSON clientWidth GET "${json}" clientWidth)
string(JSON clientHeight GET "${json}" clientHeight)
string(JSON fontPoints GET "${json}" fontPoints)

file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [[
// Made by the build from frmDeb.json, where the window's texts and places are changed.
#pragma once

#include "app/form/FormTable.h"

namespace ferolan::form {

inline constexpr char kCaption[] = @caption@;
inline constexpr int kClientWidth = @clientWidth@;
inline constexpr int kClientHeight = @clientHeight@;
inline constexpr double kFontPoints = @fontPoints@;

// The controls by name, as indexes of kControls.
enum class Id {
  @ids@
};

inline constexpr Control kControls[] = {
@rows@};
inline constexpr int kControlCount = sizeof kControls / sizeof kControls[0];

constexpr const Control& ControlOf(Id id) { return kControls[static_cast<int>(id)]; }

// The help box's text.
inline constexpr char kHelp[] = @help@;

}  // namespace ferolan::form
]])
