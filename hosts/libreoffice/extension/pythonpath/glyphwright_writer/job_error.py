"""The failures a job reports to the user in its own words."""


class JobError(Exception):
    """A failure of the host, not of a query; its message is one or two sentences with full
    stops, shown to the user as it stands."""
