DIM a AS Long

			DIM b AS Integer
	DIM c(10) AS Long
DIM p AS Long PTR
		
