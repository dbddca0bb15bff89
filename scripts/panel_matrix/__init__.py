"""The pieces of scripts/panel-matrix: the processes of one host, the X
display or headless sway it runs on, what the pictures show, and the
hosts themselves."""
