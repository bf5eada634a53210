' What a person sees of a control: its place on the form, the live box, the pointer.
new txtA
new page
new 1abc
txtA.Text = "Hello world"
txtA.Left = 2400
txtA.Width = 3000
txtA.ToolTipText = "Customer name"
? txtA.Left
? txtA.Width
? txtA.ToolTipText
show txtA
txtA.Width = -5
' A click places the caret, a double click selects the word, each raising its events.
events on
mouse txtA click 1 0 400 100
? txtA.SelStart
mouse txtA dblclick 1 0 100 100
? txtA.SelText
events off
mouse txtA wiggle 1 0 1 1
' Disabled with DisabledGray, the box shows the button face and takes no input.
txtA.DisabledGray = True
txtA.Enabled = False
show txtA
' A control may be called page; the open page keeps its widgets under the same name.
page.Text = "p"
? page.Text
page txtA General
? page.cboDataType
page close
