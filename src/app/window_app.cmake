# nodewick, the window.
