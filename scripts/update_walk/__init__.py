"""The helpers of scripts/update-walk, one job to a file."""
