' Controls on a form: creation, properties through the dispatch interface, focus and keys.
region en-US
new txtFirst
new txtSecond
changes on
events on
' Style properties are design-time only: written while the application runs they fail.
txtFirst.Alignment = 1
usermode False
txtFirst.Alignment = 1
? txtFirst.Alignment
txtFirst.Alignment = 1
txtFirst.Alignment = 7
txtFirst.MultiLine = True
usermode True
txtFirst.AutoTab = True
txtFirst.AutoTab = -1
? txtFirst.AutoTab
txtFirst.StartSelected = 1
? TXTFIRST.startselected
txtFirst.MousePointer = 16
txtFirst.MousePointer = 99
txtFirst.MousePointer = 70000
? txtFirst.MousePointer
txtFirst.PasswordChar = "ab"
' Arguments that do not fit the member's type.
txtFirst.AutoTab = "maybe"
txtFirst.MousePointer = "x"
txtFirst.Font = 1
' Unknown members and controls.
? txtFirst.Colour
? txtThird.Text
new txtFirst
new 
txtFirst.Refresh
txtFirst.OLEDrag
' Read-only members refuse writes.
txtFirst.hWnd = 5
focus txtFirst
keys "ab"
keys "{TAB}"
keys "c"
' A click takes the focus elsewhere: Tab goes on from there, not from the last Tab.
focus txtFirst
keys "{TAB}d"
