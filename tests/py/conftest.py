import os
import sys

# The scenario controllers are packages of their own, not test modules.
collect_ignore = ["controllers", "runner"]
