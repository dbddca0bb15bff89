"""sway hosts: headless sway as an unprivileged user (sway refuses root)."""
from dataclasses import dataclass


@dataclass
class SwayHost:
    name: str
    title: str
    packages: list


HOSTS = []


def run(host, work, results_folder, horalet):
    raise NotImplementedError(host, work, results_folder, horalet)
