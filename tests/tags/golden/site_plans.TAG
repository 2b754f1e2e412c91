GADGETS && CO.
DOODAD DIVISION

Café "North" $TAG1$
  blanks kept  












































LAST TAG
