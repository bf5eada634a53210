' A byte-order mark starts this script. Names and script text in messages are escaped.
region german
region de-DE
? 1e400
? 1.5
load "."
load "gone[31m.json"
? 1 ›
new b[2J
changes on
focus b[2J
keys "x"
