cmake_minimum_required(VERSION 3.22)
# Makes the one-file page: the template with the style sheet and every script inlined.
#   cmake -DTEMPLATE=index.html -DSTYLE=style.css -DSCRIPTS="a.js|b.js" -DOUTPUT=out.html -P AssemblePage.cmake
# A script's text may not end the <script> element early: "</script" inside it is written as
# "<\/script", which JavaScript reads as the same text.
file(READ "${TEMPLATE}" page)
file(READ "${STYLE}" style)
string(REPLACE "|" ";" scripts "${SCRIPTS}")
set(inlined "")
foreach(script IN LISTS scripts)
  file(READ "${script}" text)
  string(REPLACE "</script" "<\\/script" text "${text}")
  get_filename_component(name "${script}" NAME)
  string(APPEND inlined "<script>/* ${name} */\n${text}\n</script>\n")
endforeach()
string(REPLACE "<!-- @STYLE@ -->" "<style>\n${style}</style>" page "${page}")
string(REPLACE "<!-- @SCRIPTS@ -->" "${inlined}" page "${page}")
file(WRITE "${OUTPUT}.part" "${page}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
