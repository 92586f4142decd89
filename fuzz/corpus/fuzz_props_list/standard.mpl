# properties: name, type (i integer, d double, s text), value
Plate/value/Height	s	240
Plate/value/Width	s	160
Plate/value/Thickness	s	20
Plate/fix/Height	s	1
Bolts/value/Edge	s	45
Bolts/assembly	s	10.9
Bolts/diameter	s	24
Bolts/bolts1/Rows	s	2
Bolts/bolts2/Rows	s	4
