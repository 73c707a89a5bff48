-- Statistics of the tables' indexes, taken once the rows are in, so that the
-- database engine joins the selection tables in a good order (operating kinds
-- and rated values before the capacities of a type). They change no result.
ANALYZE;
