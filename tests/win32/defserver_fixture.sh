# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

!# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

W# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

3# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

4# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

q# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

@# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

5# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

!# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

4# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

q# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

4# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

%# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

3# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

!# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

!# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

q# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

@# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

6# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

8# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

^# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

^# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

6# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

8# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

6# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

8# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

K# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

6# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

8# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

3# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

P# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

+# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

+# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

A# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

E# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

G# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

R# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

U# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

P# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

X# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

M# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

Z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

I# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

N# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

F# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

O# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

%# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

L# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

y# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

D# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

,# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

w# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

## The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

S# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

C# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

4# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

6# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

q# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

{# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

@# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

}# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

<# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

!# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

_# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

q# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

=# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

7# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

(# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

9# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

*# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

\# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

'# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

|# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

)# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

b# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

k# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

[# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

-# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

z# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

]# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

;# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

T# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

v# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

s# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

g# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

&# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

x# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

i# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

c# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

h# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

2# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

7# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

0# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

1# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

:# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

p# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

t# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

 # The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

># The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

f# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

/# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

$# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

a# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

m# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

.# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

u# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

r# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

l# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

"# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

d# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

o# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

n# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

e# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")


# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

