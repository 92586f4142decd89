# properties: name, type (i integer, d double, s text), value
Plate/value/Height	s	300
Plate/value/Thickness	s	25
Plate/value/Stiffener	s	10
