# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the page's own scripts into one file, which the build then writes
# into the markup (bette_ein.py --ans-ende):
#   cmake -DMarkup=<filled index.html> -DQuelle=<folder> -DErzeugt=<folder>
#         -DSeite=<page's index.html> -DSkripte=<its scripts' file> -P buendle_skripte.cmake
# The scripts are the markup's lines <script defer src="skripte/NAME.js">,
# taken in their order (the order the page declares for them) from the
# folder Quelle, or from Erzeugt for those the build makes. One line for the whole file takes
# the place of the first of them; the others go. Every script is strict,
# and so is the whole file. Lines that hold only a comment stay in the
# sources: in the player's folder each script keeps its first line (its
# licence) and its code, a quarter smaller.
cmake_minimum_required(VERSION 3.25)
file(READ "${Markup}" Inhalt)
set(Zeilenmuster "<script defer src=\"skripte/[A-Za-z0-9_]+\\.js\"></script>\n")
string(REGEX MATCHALL "${Zeilenmuster}" Zeilen "${Inhalt}")
if(NOT Zeilen)
  message(FATAL_ERROR "${Markup} names no script under skripte/")
endif()

get_filename_component(SkripteName "${Skripte}" NAME)
set(Gebuendelt "'use strict';\n")
set(Gesehen "")
set(Ersatz "<script defer src=\"${SkripteName}\"></script>\n")
foreach(Zeile IN LISTS Zeilen)
  string(REGEX REPLACE ".*src=\"([^\"]+)\".*" "\\1" Pfad "${Zeile}")
  if(Pfad IN_LIST Gesehen)
    message(FATAL_ERROR "${Markup} names ${Pfad} twice")
  endif()
  list(APPEND Gesehen "${Pfad}")
  set(Gefunden "${Quelle}/${Pfad}")
  if(NOT EXISTS "${Gefunden}")
    set(Gefunden "${Erzeugt}/${Pfad}")
  endif()
  if(NOT EXISTS "${Gefunden}")
    message(FATAL_ERROR "${Pfad}, named in ${Markup}, is neither in ${Quelle} nor in ${Erzeugt}")
  endif()
  file(READ "${Gefunden}" Skript)
  string(FIND "${Skript}" "\n'use strict';\n" Strikt)
  if(Strikt EQUAL -1)
    message(FATAL_ERROR "${Gefunden} does not begin with 'use strict';")
  endif()
  string(REGEX REPLACE "\n[ ]*//[^\n]*" "" Skript "${Skript}")
  string(APPEND Gebuendelt "\n// ${Pfad}\n${Skript}")
  string(REPLACE "${Zeile}" "${Ersatz}" Inhalt "${Inhalt}")
  set(Ersatz "")
endforeach()

# The scripts are not copied on their own: any other address of one would
# name a file the page's folder does not have.
string(REGEX MATCH "(src|href)=\"skripte/[^\"]*\"" Rest "${Inhalt}")
if(Rest)
  message(FATAL_ERROR "${Markup} loads ${Rest} otherwise than by a line <script defer src=\"skripte/NAME.js\"></script>")
endif()

file(WRITE "${Skripte}" "${Gebuendelt}")
file(WRITE "${Seite}" "${Inhalt}")
