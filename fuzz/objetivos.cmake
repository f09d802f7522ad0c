# The fuzz targets: fuzz/<name>.cpp defines LLVMFuzzerTestOneInput, fuzz/corpus/<name>/ holds
# its corpus and regression inputs.
set(TTZ_OBJETIVOS_FUZZ lectura_zeda exportacion importacion tabla_dbf)
