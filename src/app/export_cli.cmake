# nodewick-export, the command-line exporter.
