# guia.md to a page of its own: -DCMARK=<cmark> -DIN=<guia.md> -DOUT=<guia.html>.
execute_process(COMMAND ${CMARK} --to html ${IN} OUTPUT_VARIABLE body RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmark failed on ${IN}")
endif()
string(REGEX MATCH "<h1>[^<]*</h1>" heading "${body}")
string(REGEX REPLACE "</?h1>" "" title "${heading}")
file(WRITE ${OUT} "<!DOCTYPE html>
<html lang=\"pt-BR\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { font-family: sans-serif; max-width: 48em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
code, pre { background: #f2f2f2; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.25em 0.6em; text-align: left; }
</style>
</head>
<body>
${body}</body>
</html>
")
